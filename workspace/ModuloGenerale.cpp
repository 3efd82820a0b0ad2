#include "workspace/ModuloGenerale.h"
#include "platform/Impostazioni.h"
#include <QCoreApplication>
#include <cmath>
#include <cstring>

namespace {
QString cartellaSostituita;
}

void ImpostaCartellaEseguibile(const QString& cartella) { cartellaSostituita = cartella; }

QString CartellaEseguibile()
{
    // The folder as the platform reports it; "/" is appended even when it
    // already ends in one (the root gives "//").
    const QString c = cartellaSostituita.isEmpty() ? QCoreApplication::applicationDirPath() : cartellaSostituita;
    return c + QLatin1Char('/');
}

QString PercorsoDati(const QString& nomeFile) { return CartellaProgramma + nomeFile; }

int16_t& NumFrazioni(int s) { return s == 1 ? NumFrazioniA : NumFrazioniB; }

void AzzeraStatoGenerale()
{
    std::memset(Frazioni, 0, sizeof Frazioni);
    std::memset(FrazioniAppoggio, 0, sizeof FrazioniAppoggio);
    std::memset(FrazioniCopiate, 0, sizeof FrazioniCopiate);
    std::memset(FrazioniFinestre, 0, sizeof FrazioniFinestre);
    for (auto& p : PuntiPoligono) p = PuntoLungo{};
    NumFrazioniA = NumFrazioniB = NumFrazioniCopiate = 0;
    RaggioFoglioA = RaggioFoglioB = ColonneFoglioA = ColonneFoglioB = 0;
    ScostamentoFoglioA = ScostamentoFoglioB = 0;
    DistanzaTorte = 0;
    MostraFinestraAvvio = SuonoAbilitato = RisoluzioneBassa = InChiusura = QuadernoModificato = FALSO;
    FoglioAttivo = RispostaDomanda = ModoSepara = ModoAggiungi = ModoVerificaTrova = 0;
    FinestraMenuServizio = 0;
    ColoreCorrente = 0;
    FattoreEquivMoltiplica = FattoreEquivDividi = FattoreMoltiplica = FattoreDividi = 0;
    ContaErrori = 0;
    PiGreco = 0;
    CartellaProgramma.clear();
    ACapo.clear();
    NomeQuaderno.clear();
    UltimoNumeroFrazDiNum.clear();
    NomeAllievo.clear();
    Classe.clear();
    CartellaDialogoQuaderni.clear();
    for (int16_t* v : {&AltoScomponi, &SinistraScomponi, &AltoScomponi1, &SinistraScomponi1,
                       &AltoValoreDecimale, &SinistraValoreDecimale, &AltoFrazDiNum, &SinistraFrazDiNum,
                       &AltoFrazDiFraz, &SinistraFrazDiFraz, &AltoUguali, &SinistraUguali,
                       &AltoCrescenti, &SinistraCrescenti, &AltoDecrescenti, &SinistraDecrescenti,
                       &AltoFattorizza, &SinistraFattorizza, &AltoRiduzione, &SinistraRiduzione,
                       &AltoIstogramma, &SinistraIstogramma})
        *v = 0;
}

QString LeggiWinAvvio()
{
    return Impostazioni::Leggi(QStringLiteral("zfr"), QStringLiteral("settings"), QStringLiteral("win_avvio"));
}

void ScriviWinAvvio(bool mostra)
{
    Impostazioni::Scrivi(QStringLiteral("zfr"), QStringLiteral("settings"), QStringLiteral("win_avvio"),
                         mostra ? QStringLiteral("yes") : QStringLiteral("no"));
}

void ImpostaValoriIniziali()
{
    // The program folder, and the folder the notebook dialogs start in.
    CartellaProgramma = CartellaEseguibile();
    CartellaDialogoQuaderni = CartellaProgramma.chopped(1);
    // The start-up window, unless the setting says exactly "no".
    MostraFinestraAvvio = VERO;
    if (LeggiWinAvvio() == QLatin1String("no")) MostraFinestraAvvio = FALSO;
    // Options, sheets, factors, modes, constants and window positions.
    SuonoAbilitato = VERO;
    NumFrazioniA = NumFrazioniB = 0;
    RaggioFoglioA = RaggioFoglioB = 900;
    ColonneFoglioA = ColonneFoglioB = 0;
    ScostamentoFoglioA = ScostamentoFoglioB = 0;
    ColoreCorrente = 12;
    FattoreEquivMoltiplica = FattoreEquivDividi = FattoreMoltiplica = FattoreDividi = 2;
    ModoVerificaTrova = ModoAggiungi = ModoSepara = 1;
    ContaErrori = 0;
    QuadernoModificato = FALSO;
    NomeQuaderno.clear();
    DistanzaTorte = 140;
    PiGreco = 4.0 * std::atan(1.0);
    ACapo = QStringLiteral("\r\n");
    for (int16_t* alto : {&AltoScomponi, &AltoScomponi1, &AltoValoreDecimale, &AltoFrazDiNum, &AltoFrazDiFraz,
                          &AltoUguali, &AltoCrescenti, &AltoDecrescenti, &AltoRiduzione})
        *alto = 1500;
    for (int16_t* sin : {&SinistraScomponi, &SinistraScomponi1, &SinistraValoreDecimale, &SinistraFrazDiNum,
                         &SinistraFrazDiFraz, &SinistraUguali, &SinistraCrescenti, &SinistraDecrescenti,
                         &SinistraRiduzione})
        *sin = 2000;
    AltoFattorizza = 1000;
    SinistraFattorizza = 3500;
    AltoIstogramma = 4000;
    SinistraIstogramma = 5000;
    UltimoNumeroFrazDiNum.clear();
    NomeAllievo.clear();
    Classe.clear();
}
