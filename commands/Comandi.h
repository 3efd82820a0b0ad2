#pragma once
// The command procedures that the main window's menus and Toolbar1 call.
// Every procedure that takes `foglio` receives the active window as
// FoglioAttivo holds it: 1 sheet A, 2 sheet B, 3 notes.
#include <cstdint>

class QString;

// --- Guards ---------------------------------------------------------------
// True when foglio is 1 or 2 and that sheet's window is open: a command
// that works on the fractions of a sheet does nothing otherwise.
bool FoglioUtilizzabile(uint8_t foglio);
// True when foglio names an open document window: an open sheet (1, 2) or
// the open notes (3). For the commands that also work on the notes.
bool FinestraUtilizzabile(uint8_t foglio);
// How many fractions of sheet s (1 = A, anything else = B) are selected.
int ContaSelezionate(uint8_t s);
// The position of the one selected fraction of sheet s (1 = A, anything
// else = B); 0 when none or more than one is selected.
int UnicaSelezionata(uint8_t s);
// The same, and when not exactly one is selected the warning "Selezionare
// una frazione (e non più di una)" (kind 3) under the command's title.
int UnicaSelezionataOAvvisa(uint8_t s, const QString& titolo);

// --- Equivalence, multiply and divide ---------------------------------------
// Each reads its factor variable (FattoreEquivMoltiplica, FattoreEquivDividi,
// FattoreMoltiplica, FattoreDividi) when it runs.
void MoltiplicaTermini(uint8_t foglio);
void DividiTermini(uint8_t foglio);
void MoltiplicaFrazione(uint8_t foglio);
void DividiFrazione(uint8_t foglio);

// The four factor commands chosen from the menu, once the selection has
// been found right: asks the factor in the command's dialog (FrmEquiv1,
// FrmEquiv2, FrmMoltiplica, FrmDividi), runs the command once with it and
// puts the remembered factor of the toolbar back.
enum class ComandoFattore : uint8_t { EquivMoltiplica = 1, EquivDividi = 2, Moltiplica = 3, Dividi = 4 };
void ChiediFattoreEdEsegui(ComandoFattore comando, uint8_t foglio);

// --- Group and split --------------------------------------------------------
void RaggruppaFrazioni(uint8_t foglio);
void SeparaInUnita(uint8_t foglio);
void SeparaInDue(uint8_t foglio);

// --- Adding a fraction ------------------------------------------------------
void AggiungiFrazioneTermini(uint8_t foglio);
void AggiungiFrazioneTorta();
void AggiungiFrazioneLinea();
void AggiungiFrazioneRettangolo();
void AggiungiFrazioneValDecimale(uint8_t foglio);

// --- Cut, copy, paste (sheets and notes) -------------------------------------
void TagliaSelezione(uint8_t foglio);
void EseguiCopia(uint8_t foglio);
void EseguiIncolla(uint8_t foglio);

// --- Transfer, order and zoom -----------------------------------------------
void TrasferisciFrazioni(uint8_t foglio);
void SpostaAvanti(uint8_t foglio);
void SpostaIndietro(uint8_t foglio);
void IngrandisciFoglio(uint8_t foglio);
void RiduciFoglio(uint8_t foglio);

// --- Checks -----------------------------------------------------------------
void VerificaRidotta(uint8_t foglio);
void VerificaUguali(uint8_t foglio);
void VerificaCrescente(uint8_t foglio);
void VerificaDecrescente(uint8_t foglio);

// --- Service windows ----------------------------------------------------------
// termine: 1 numerator, 2 denominator.
void ScomponiTermine(uint8_t termine, uint8_t foglio);
void TrovaFattoriComuni(uint8_t foglio);
void TrovaDenominatoreComune(uint8_t foglio);
void TrovaFrazDiNum(uint8_t foglio);
void TrovaFrazDiFraz(uint8_t foglio);
void TrovaValoreDecimale(uint8_t foglio);
void RappresentaLinea(uint8_t foglio);
void RappresentaPoligono(uint8_t foglio);
void RappresentaRettangolo(uint8_t foglio);
void RappresentaIstogramma(uint8_t foglio);

// --- Main-window items whose work is not a command of the fractions --------
// One handler per menu item, named after it. For the options of the Imposta
// menu the check has already been turned over when the handler runs: it
// applies the new state.
void MnuFileNuovoQuaderno_Click();
void MnuFileApri_Click();
void MnuFileSalva_Click();
void MnuFileSalvaConNome_Click();
void MnuFileCancellaFoglio_Click();
void MnuFileCopiaBitmap_Click();
void MnuFileStampa_Click();
void MnuFileEsci_Click();
void MnuModificaCopiaBitmap_Click();
void MnuModificaSelezionaTutto_Click();
void MnuImpostaMostraValori_Click();
void MnuImpostaAbilitaSuono_Click();
void MnuImpostaWinAvvio_Click();
void MnuImpostaEvBottoni_Click();
void MnuImpostaEvBarra_Click();
void MnuImpostaFogliCalcoloBianchi_Click();
void MnuImpostaFinestreServizioBianche_Click();
void MnuGuidaZefra_Click();
void MnuGuidaGuidaRapida_Click();
void MnuGuidaTavolaPrimi_Click();
void MnuGuidaInfo_Click();
void MnuGuidaWebZefra_Click();
void MnuGuidaWebSelvanto_Click();
void MnuGuidaWebAutore_Click();
