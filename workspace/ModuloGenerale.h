#pragma once
// The program's shared state: the fraction store of the two sheets, the
// hand-off tables, the options, the remembered factors, modes and window
// positions. One copy for the whole program, read and written directly.
#include "logica/Frazione.h"
#include <QString>
#include <cstdint>

using Flag = int16_t;          // -1 true, 0 false
constexpr Flag VERO = -1;
constexpr Flag FALSO = 0;

struct PuntoLungo { int32_t x = 0, y = 0; };

// The fraction store: sheet FoglioA..FoglioB, position 1..MaxFrazioni,
// field CampoNum..CampoColore (logica/Frazione.h).
inline int16_t Frazioni[3][129][5];
inline int16_t NumFrazioniA, NumFrazioniB;

// Per-sheet layout (twips).
inline int16_t RaggioFoglioA, RaggioFoglioB;
inline int16_t ColonneFoglioA, ColonneFoglioB;
inline int32_t ScostamentoFoglioA, ScostamentoFoglioB;
inline int16_t DistanzaTorte;

// Hand-off tables.
inline int16_t FrazioniAppoggio[131][5];
inline int16_t FrazioniCopiate[129][5];
inline int16_t NumFrazioniCopiate;
inline int16_t FrazioniFinestre[11][5];
inline PuntoLungo PuntiPoligono[31];

// Flags, bytes and numbers.
inline Flag MostraFinestraAvvio;
inline Flag SuonoAbilitato;
inline Flag RisoluzioneBassa;
inline Flag InChiusura;
inline Flag QuadernoModificato;
inline uint8_t FoglioAttivo;
inline uint8_t RispostaDomanda;
inline uint8_t ModoSepara, ModoAggiungi, ModoVerificaTrova;
inline uint8_t FinestraMenuServizio;
inline int16_t ColoreCorrente;
inline int16_t FattoreEquivMoltiplica, FattoreEquivDividi, FattoreMoltiplica, FattoreDividi;
inline int32_t ContaErrori;
inline double PiGreco;

// Strings.
inline QString CartellaProgramma;
inline QString ACapo;
inline QString NomeQuaderno;
inline QString UltimoNumeroFrazDiNum;
inline QString NomeAllievo, Classe;
// Initial folder of the main window's open and save dialogs.
inline QString CartellaDialogoQuaderni;

// Remembered positions of the service windows (twips).
inline int16_t AltoScomponi, SinistraScomponi;
inline int16_t AltoScomponi1, SinistraScomponi1;
inline int16_t AltoValoreDecimale, SinistraValoreDecimale;
inline int16_t AltoFrazDiNum, SinistraFrazDiNum;
inline int16_t AltoFrazDiFraz, SinistraFrazDiFraz;
inline int16_t AltoUguali, SinistraUguali;
inline int16_t AltoCrescenti, SinistraCrescenti;
inline int16_t AltoDecrescenti, SinistraDecrescenti;
inline int16_t AltoFattorizza, SinistraFattorizza;
inline int16_t AltoRiduzione, SinistraRiduzione;
inline int16_t AltoIstogramma, SinistraIstogramma;

// The one persisted setting: whether the start-up information window shows
// (application "zfr", section "settings", key "win_avvio": "yes" or "no";
// an absent key reads as the empty text).
QString LeggiWinAvvio();
void ScriviWinAvvio(bool mostra);

// Gives the shared state its start values: the program folder, the
// start-up window setting, options, sheets, factors, modes, constants and
// window positions (the first step of InizializzaApplicazione, workspace/Avvio.h).
void ImpostaValoriIniziali();
// Puts every variable back to zero, false or empty (as before start-up).
void AzzeraStatoGenerale();

// The folder of the running program, with "/" appended.
QString CartellaEseguibile();
// Tests put the program folder elsewhere (a temporary folder), so that
// start-up writes nothing beside the test program; an empty text goes
// back to the folder of the executable.
void ImpostaCartellaEseguibile(const QString& cartella);
// Full path of a data file that lives in the program folder.
QString PercorsoDati(const QString& nomeFile);

// Count of the fractions on sheet s (1 = A, anything else = B).
int16_t& NumFrazioni(int s);
inline int IndiceFoglio(int s) { return s == 1 ? 1 : 2; }
// The count of fractions on sheet s, kept inside 0..MaxFrazioni so that it
// can always index the fraction store.
inline int FrazioniSulFoglio(int s) { return NumFrazioni(s) < 0 ? 0 : NumFrazioni(s) > MaxFrazioni ? MaxFrazioni : NumFrazioni(s); }
