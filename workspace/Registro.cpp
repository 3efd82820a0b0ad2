#include "workspace/Registro.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "platform/Stampante.h"
#include "workspace/FrmNuovoRegistro.h"
#include "workspace/FrmRegistro.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace {
std::function<QDateTime()> orologio;

QDateTime Adesso() { return orologio ? orologio() : QDateTime::currentDateTime(); }

const QString Riga = QStringLiteral("\r\n");

// Every line break of a text becomes CR LF.
QString RigheWindows(QString s)
{
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.replace(QLatin1Char('\n'), Riga);
    return s;
}

QString SenzaACapo(QString s)
{
    s.remove(QLatin1Char('\r'));
    s.remove(QLatin1Char('\n'));
    return s;
}

void SegnalaGuasto()
{
    BoxPiattaforma(QStringLiteral("Impossibile aggiornare il file registro.txt"), IconaBox::Critico);
}

bool Scrivi(QIODevice::OpenMode modo, const QString& testo)
{
    QFile f(PercorsoRegistro());
    if (!f.open(modo)) return false;
    const QByteArray byte = testo.toUtf8();
    const bool scritto = f.write(byte) == byte.size();
    f.close();
    return scritto && f.error() == QFileDevice::NoError;
}
}

QString DataDiSistema(const QDate& d) { return QLocale().toString(d, QLocale::ShortFormat); }

QString OraDiSistema(const QTime& t)
{
    // The long time format without the time zone: every "t" outside quoted
    // text goes, and so do the brackets some languages put around it.
    const QString lungo = QLocale().timeFormat(QLocale::LongFormat);
    QString formato;
    bool citato = false;
    for (QChar c : lungo) {
        if (c == QLatin1Char('\'')) citato = !citato;
        if (citato || c != QLatin1Char('t')) formato += c;
    }
    formato.remove(QLatin1String("()"));
    formato.remove(QLatin1String("[]"));
    return QLocale().toString(t, formato.simplified());
}

void ImpostaOrologioRegistro(std::function<QDateTime()> o) { orologio = std::move(o); }

QString PercorsoRegistro() { return PercorsoDati(QStringLiteral("registro.txt")); }

void CreaRegistro()
{
    const QDateTime ora = Adesso();
    const QString testo = QStringLiteral("ZEFRA - Registro degli errori") + Riga +
                          QStringLiteral("Data e ora di creazione del registro: ") + DataDiSistema(ora.date()) +
                          QStringLiteral("; ") + OraDiSistema(ora.time()) + Riga + QStringLiteral("Nome allievo: ") +
                          NomeAllievo + Riga + QStringLiteral("Classe: ") + Classe + Riga + Riga + Riga;
    if (!Scrivi(QIODevice::WriteOnly | QIODevice::Truncate, testo)) SegnalaGuasto();
}

void AggiungiAlRegistro(const QString& titolo, const QString& testo)
{
    // The number is used up even when the file cannot be written.
    ++ContaErrori;
    const QString voce = QStringLiteral("Errore #") + QString::number(ContaErrori) + QStringLiteral(" ore ") +
                         OraDiSistema(Adesso().time()) + Riga + QString(48, QLatin1Char('=')) + Riga + Riga +
                         QStringLiteral("OPERAZIONE ESEGUITA") + Riga + RigheWindows(titolo) + Riga + Riga +
                         QStringLiteral("MESSAGGIO EMESSO") + Riga + RigheWindows(testo) + Riga + Riga + Riga;
    if (!Scrivi(QIODevice::WriteOnly | QIODevice::Append, voce)) SegnalaGuasto();
}

bool LeggiRegistro(QString& testo)
{
    QFile f(PercorsoRegistro());
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray byte = f.readAll();
    if (f.error() != QFileDevice::NoError) return false;
    testo = QString::fromUtf8(byte);
    return true;
}

void ConfermaNuovoRegistro(const QString& nome, const QString& classe)
{
    // Name and class stay as typed, but on one line each so that the
    // header keeps its shape.
    NomeAllievo = SenzaACapo(nome);
    Classe = SenzaACapo(classe);
    ContaErrori = 0;
    CreaRegistro();
}

void NuovoRegistro()
{
    BoxCustodito<FrmNuovoRegistro> dialogo(GenitoreModale());
    RendiSempreSopra(dialogo.get());
    CentraDialogo(dialogo.get());
    EseguiBox(*dialogo);
}

void MostraRegistro()
{
    QString testo;
    if (!LeggiRegistro(testo)) {
        MostraMessaggio(QStringLiteral("Impossibile leggere il file registro.txt"), 3,
                        QStringLiteral("Mostra registro"));
        return;
    }
    BoxCustodito<FrmRegistro> finestra(GenitoreModale());
    finestra->CaricaTesto(testo, QBColor(1));
    RendiSempreSopra(finestra.get());
    CentraDialogo(finestra.get());
    EseguiBox(*finestra);
}

void ImpostaTestoRegistro(QTextDocument* documento, const QString& testo, const QColor& colore)
{
    QString righe = testo;
    righe.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    documento->setPlainText(righe);
    QTextCursor c(documento);
    c.select(QTextCursor::Document);
    QTextCharFormat formato;
    formato.setFontPointSize(12);
    formato.setForeground(colore);
    c.mergeCharFormat(formato);
}

bool StampaTestoRegistro(const QString& testo, QPrinter& stampante)
{
    QTextDocument documento;
    ImpostaTestoRegistro(&documento, testo, QBColor(0));
    documento.print(&stampante);
    return stampante.printerState() != QPrinter::Error;
}

void StampaRegistro()
{
    const auto guasto = [] {
        MostraMessaggio(QStringLiteral("Errore di stampante"), 3, QStringLiteral("Stampa registro"));
    };
    QString testo;
    if (!LeggiRegistro(testo)) return guasto();
    QTextDocument documento;
    ImpostaTestoRegistro(&documento, testo, QBColor(0));
    if (!StampaDocumento(documento)) guasto();
}
