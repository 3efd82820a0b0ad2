#include "workspace/FrmAppunti.h"
#include "workspace/Attivazione.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/HtmlIncollato.h"
#include "platform/Rtf.h"
#include "workspace/Fogli.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/StatoComandi.h"
#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>
#include <algorithm>
#include <optional>

namespace {


// While one lives, changes of the notes are the program's own and do not
// mark the notebook modified.
struct Silenzio {
    int& n;
    explicit Silenzio(int& c) : n(c) { ++n; }
    ~Silenzio() { --n; }
    Silenzio(const Silenzio&) = delete;
    Silenzio& operator=(const Silenzio&) = delete;
};

// A document that loads no resource, neither a file nor a data URL, as the
// provider of an HTML import.
class SenzaRisorse : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

void MostraTroppoLunghi() { MostraMessaggio(AppuntiTroppoLunghi, 3, QStringLiteral("Incolla")); }

// Text the box can take by itself: plain text, HTML or Qt's own rich text.
const QString QtRicco = QStringLiteral("application/x-qrichtext");
bool Utilizzabili(const QMimeData* dati)
{
    return dati && !dati->formats().isEmpty() && (dati->hasText() || dati->hasHtml() || dati->hasFormat(QtRicco));
}
// The HTML of Qt's own rich text (always UTF-8, marked as Qt's so that
// its import reads it as Qt wrote it), else of the HTML format.
QString Html(const QMimeData* dati)
{
    if (dati->hasFormat(QtRicco))
        return QStringLiteral("<meta name=\"qrichtext\" content=\"1\" />") + QString::fromUtf8(dati->data(QtRicco));
    return dati->hasHtml() ? dati->html() : QString();
}

// The notes' text box. Its own copy, cut, paste and drag carry the rich
// text as RTF too, as the editing commands do, so that what the keyboard
// copies the Incolla command can paste, and the other way round.
class CasellaAppunti : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

protected:
    // The text is never laid out narrower than the notes' bound on height
    // assumes: a narrower box wraps it at that width and scrolls sideways.
    void resizeEvent(QResizeEvent* e) override
    {
        QTextEdit::resizeEvent(e);
        const bool stretta = viewport()->width() < Rtf::LarghezzaMinima;
        if (stretta && (lineWrapMode() != FixedPixelWidth || lineWrapColumnOrWidth() != Rtf::LarghezzaMinima)) {
            setLineWrapColumnOrWidth(Rtf::LarghezzaMinima);
            setLineWrapMode(FixedPixelWidth);
        } else if (!stretta && lineWrapMode() != WidgetWidth) {
            setLineWrapMode(WidgetWidth);
        }
    }
    QMimeData* createMimeDataFromSelection() const override
    {
        const QTextCursor c = textCursor();
        QMimeData* dati = Rtf::DatiAppunti(Rtf::ScriviSelezione(c));
        const QTextDocumentFragment selezione = c.selection();
        dati->setText(selezione.toPlainText());
        dati->setHtml(selezione.toHtml());
        return dati;
    }
    bool canInsertFromMimeData(const QMimeData* dati) const override
    {
        return !Rtf::DaAppunti(dati).isEmpty() || (Utilizzabili(dati) && QTextEdit::canInsertFromMimeData(dati));
    }
    // Every road in (the keyboard, a drop, the middle button) comes here.
    // Rich text that cannot be read, with nothing else beside it, is said
    // so: the pupil sees why nothing came.
    void insertFromMimeData(const QMimeData* dati) override
    {
        QString errore;
        esito_ = IncollaNegliAppunti(this, dati, &errore);
        if (esito_ == EsitoIncolla::Illeggibile && !errore.isEmpty()) {
            MostraMessaggio(QStringLiteral("Impossibile incollare il testo. ") + errore, 3, QStringLiteral("Incolla"));
            esito_ = EsitoIncolla::Rifiutato;
        }
    }
    // A drop the notes refuse takes nothing from where it came: the text
    // moved within the box goes back, the notebook is not marked modified
    // by the drop's empty step, and the source is told nothing was taken
    // (so that it does not delete what was dragged).
    void dropEvent(QDropEvent* e) override
    {
        const auto modificato = QuadernoModificato;
        const int passi = document()->availableUndoSteps();
        esito_ = EsitoIncolla::Illeggibile;
        QTextEdit::dropEvent(e);
        if (esito_ != EsitoIncolla::Rifiutato) return;
        if (document()->availableUndoSteps() > passi) document()->undo();
        QuadernoModificato = modificato;
        e->setDropAction(Qt::IgnoreAction);
        e->ignore();
    }

private:
    EsitoIncolla esito_ = EsitoIncolla::Illeggibile;   // of the last paste
};

// The way of every paste: the RTF goes in at the box's cursor as the
// reader makes it, tried first on a copy of the notes, which nothing lays
// out (Qt lays out in the box whatever it is given there, at once). So the
// notes counted are the notes shown, and they are what a save writes and an
// open reads back. errore: why the reader refused the RTF (Illeggibile).
EsitoIncolla IncollaRtf(QTextEdit* casella, const QByteArray& rtf, QString* errore)
{
    QTextCursor c = casella->textCursor();
    const std::unique_ptr<QTextDocument> prova(casella->document()->clone());
    QTextCursor p(prova.get());
    p.setPosition(c.anchor());
    p.setPosition(c.position(), QTextCursor::KeepAnchor);
    if (!Rtf::Inserisci(rtf, p, errore)) return EsitoIncolla::Illeggibile;
    if (!Rtf::ScriviEntroLimiti(*prova)) {
        MostraTroppoLunghi();
        return EsitoIncolla::Rifiutato;
    }
    Rtf::Inserisci(rtf, c);
    casella->setTextCursor(c);
    casella->ensureCursorVisible();
    return EsitoIncolla::Incollato;
}

// --- Pictures of Toolbar1 ----------------------------------------------------

QPixmap Tela16(qreal r)
{
    QPixmap p(QSize(16, 16) * r);
    p.setDevicePixelRatio(r);
    p.fill(Qt::transparent);
    return p;
}

// A capital letter in the style its button applies.
QPixmap Lettera(const QString& lettera, bool grassetto, bool corsivo, bool sottolineato, qreal r)
{
    QPixmap p = Tela16(r);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(sottolineato ? 12 : 14);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    g.setFont(f);
    g.setPen(Qt::black);
    g.drawText(QRect(0, sottolineato ? -1 : 0, 16, 14), Qt::AlignCenter, lettera);
    if (sottolineato) g.fillRect(QRectF(3, 13, 10, 1.5), Qt::black);
    return p;
}

// A page of text lines inside a dashed selection frame.
QPixmap SelezionaTutto(qreal r)
{
    QPixmap p = Tela16(r);
    QPainter g(&p);
    g.fillRect(QRectF(2, 1, 12, 14), Qt::white);
    g.setPen(QBColor(8));
    g.drawRect(QRectF(2.5, 1.5, 11, 13));
    g.fillRect(QRectF(3.5, 2.5, 9, 11), QBColor(1));
    g.setPen(Qt::white);
    for (int y = 4; y <= 12; y += 2) g.drawLine(QPointF(5, y + 0.5), QPointF(y == 12 ? 9 : 11, y + 0.5));
    QPen tratteggio(Qt::black);
    tratteggio.setStyle(Qt::DotLine);
    g.setPen(tratteggio);
    g.drawRect(QRectF(0.5, 0.5, 15, 15));
    return p;
}

QIcon IconaBottone(int indice)
{
    QIcon icona;
    for (qreal r : {1.0, 2.0}) {
        switch (indice) {
        case 1: icona.addPixmap(Lettera(QStringLiteral("G"), true, false, false, r)); break;
        case 2: icona.addPixmap(Lettera(QStringLiteral("C"), false, true, false, r)); break;
        case 3: icona.addPixmap(Lettera(QStringLiteral("S"), false, false, true, r)); break;
        default: icona.addPixmap(SelezionaTutto(r)); break;
        }
    }
    return icona;
}

// --- Character formatting of the selection ----------------------------------

using Proprieta = bool (*)(const QTextCharFormat&);
bool EGrassetto(const QTextCharFormat& f) { return f.fontWeight() > QFont::Medium; }
bool ECorsivo(const QTextCharFormat& f) { return f.fontItalic(); }
bool ESottolineato(const QTextCharFormat& f) { return f.fontUnderline(); }

// True when any character of the selection has the property (a selection
// formatted only in part counts as formatted); without a selection, the
// format that typing would use.
bool QualcunoHa(const QTextCursor& c, Proprieta p)
{
    if (!c.hasSelection()) return p(c.charFormat());
    const int inizio = c.selectionStart(), fine = c.selectionEnd();
    const QTextDocument* doc = c.document();
    for (QTextBlock b = doc->findBlock(inizio); b.isValid() && b.position() < fine; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            if (!fr.isValid()) continue;
            const int a = fr.position(), z = fr.position() + fr.length();
            if (z <= inizio || a >= fine) continue;
            if (p(fr.charFormat())) return true;
        }
    }
    return false;
}


} // namespace

// The client area: lays the controls out whenever its size changes.
class FrmAppunti::Contenuto : public QWidget {
public:
    explicit Contenuto(FrmAppunti* finestra) : finestra_(finestra) { setObjectName(QStringLiteral("Contenuto")); }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        finestra_->Form_Resize();
    }

private:
    FrmAppunti* finestra_;
};

FrmAppunti::FrmAppunti(QWidget* parent) : QMdiSubWindow(parent)
{
    setObjectName(QStringLiteral("FrmAppunti"));
    setWindowTitle(QStringLiteral("Foglio appunti"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* contenuto = new Contenuto(this);
    contenuto_ = contenuto;

    toolbar1_ = new QToolBar(contenuto_);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setIconSize(QSize(16, 16));
    toolbar1_->setMovable(false);
    const QString suggerimenti[4] = {QStringLiteral("Grassetto"), QStringLiteral("Corsivo"),
                                     QStringLiteral("Sottolineato"), QStringLiteral("Seleziona tutto")};
    for (int i = 1; i <= 4; ++i) {
        QAction* a = toolbar1_->addAction(IconaBottone(i), suggerimenti[i - 1]);
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(i));
        a->setToolTip(suggerimenti[i - 1]);
        connect(a, &QAction::triggered, this, [this, i]() { Toolbar1_ButtonClick(i); });
    }

    txt_ = new CasellaAppunti(contenuto_);
    txt_->setObjectName(QStringLiteral("TxtAppunti"));
    txt_->setAcceptRichText(true);
    QFont f = txt_->font();
    f.setPointSize(12);
    txt_->setFont(f);
    QPalette pal = txt_->palette();
    pal.setColor(QPalette::Text, QBColor(0));
    pal.setColor(QPalette::Base, QBColor(15));
    txt_->setPalette(pal);
    connect(txt_, &QTextEdit::textChanged, this, &FrmAppunti::TxtAppunti_Change);
    txt_->installEventFilter(this);

    setWidget(contenuto_);
    // Activating the window puts the cursor in the notes.
    contenuto_->setFocusProxy(txt_);
    resize(TwipInPixel(4800), TwipInPixel(4000));
}

FrmAppunti::~FrmAppunti() = default;

bool FrmAppunti::eventFilter(QObject* oggetto, QEvent* evento)
{
    // Shift+Del belongs to the main window ("Cancella il foglio"): the text
    // box would take it as its own cut.
    if (oggetto == txt_ && evento->type() == QEvent::ShortcutOverride) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() == Qt::Key_Delete && tasto->modifiers() == Qt::ShiftModifier) {
            evento->ignore();
            return true;
        }
    }
    return QMdiSubWindow::eventFilter(oggetto, evento);
}

QAction* FrmAppunti::BottoneToolbar1(int indice) const { return BottoneAlPosto(toolbar1_, indice); }

void FrmAppunti::Form_Activate()
{
    ImpostaComandiAppunti();
    FoglioAttivo = 3;
    if (Princ* p = Unica<Princ>::SeEsiste()) p->ImpostaPannello(2, QStringLiteral("Foglio: appunti   "));
    // Typing into empty notes starts in black, whatever colour the palette
    // gave last. Not a change of the notes.
    if (txt_->document()->isEmpty()) {
        const Silenzio silenzio(silenzio_);
        txt_->setTextColor(QBColor(0));
    }
}

void FrmAppunti::Form_Deactivate(QMdiSubWindow* nuovaAttiva)
{
    if (qobject_cast<FrmFoglio*>(nuovaAttiva)) ImpostaComandiFoglio();
}

void FrmAppunti::Form_Resize()
{
    // A window too small for its controls gets them at zero size.
    const int alto = toolbar1_->sizeHint().height();
    toolbar1_->setGeometry(0, 0, contenuto_->width(), alto);
    txt_->setGeometry(0, alto, std::max(0, contenuto_->width() - TwipInPixel(50)),
                      std::max(0, contenuto_->height() - alto));
}

void FrmAppunti::Toolbar1_ButtonClick(int indice)
{
    QTextCharFormat f;
    const QTextCursor c = txt_->textCursor();
    switch (indice) {
    case 1:
        f.setFontWeight(QualcunoHa(c, EGrassetto) ? QFont::Normal : QFont::Bold);
        break;
    case 2:
        f.setFontItalic(!QualcunoHa(c, ECorsivo));
        break;
    case 3:
        f.setFontUnderline(!QualcunoHa(c, ESottolineato));
        break;
    case 4:
        txt_->selectAll();
        return;
    default:
        return;
    }
    txt_->mergeCurrentCharFormat(f);
}

void FrmAppunti::TxtAppunti_Change()
{
    if (silenzio_ == 0) QuadernoModificato = VERO;
}

void FrmAppunti::Nascondi()
{
    hide();
}

void FrmAppunti::hideEvent(QHideEvent* e)
{
    // Hidden on purpose (not because the main window was): showing the
    // notes again is a new activation.
    if (isHidden()) DimenticaAttivo(this);
    QMdiSubWindow::hideEvent(e);
}

void FrmAppunti::closeEvent(QCloseEvent* e)
{
    if (Princ* p = Unica<Princ>::SeEsiste()) p->ImpostaToolbar2(3, false);
    Nascondi();
    if (ConcludiChiusuraDocumento(this, e)) QMdiSubWindow::closeEvent(e);
}

// ---------------------------------------------------------------------------

FrmAppunti* FrmAppunti::CreaUnica(int)
{
    auto* f = new FrmAppunti();
    AggiungiDocumento(f, FoglioAppunti);
    return f;
}

QTextEdit* TxtAppunti() { return Unica<FrmAppunti>::Istanza()->TxtAppunti(); }

bool AppuntiVisibili()
{
    const FrmAppunti* f = Unica<FrmAppunti>::SeEsiste();
    return f && !f->isHidden();
}

void MostraAppunti()
{
    FrmAppunti* f = Unica<FrmAppunti>::Istanza();
    f->show();
    if (Princ* p = Unica<Princ>::SeEsiste()) p->AreaMdi()->setActiveSubWindow(f);
    // When the area already counted the notes as its active child it
    // announces nothing: they are the active window all the same.
    AttivaDocumento(f);
}

void NascondiAppunti()
{
    if (FrmAppunti* f = Unica<FrmAppunti>::SeEsiste()) f->Nascondi();
}

void ChiudiAppunti()
{
    if (FrmAppunti* f = Unica<FrmAppunti>::SeEsiste()) f->close();
}

void CaricaAppunti(const std::function<void(QTextEdit*)>& carica)
{
    FrmAppunti* f = Unica<FrmAppunti>::Istanza();
    const Silenzio silenzio(f->silenzio_);
    carica(f->txt_);
    f->txt_->document()->clearUndoRedoStacks();
}

void SvuotaAppunti()
{
    CaricaAppunti([](QTextEdit* t) { t->clear(); });
}

std::unique_ptr<QTextDocument> NuovoDocumentoAppunti()
{
    const QTextDocument* proprio = TxtAppunti()->document();
    auto d = std::make_unique<QTextDocument>();
    d->setDefaultFont(proprio->defaultFont());
    d->setDefaultTextOption(proprio->defaultTextOption());
    d->setDocumentMargin(proprio->documentMargin());
    return d;
}

void MettiDocumentoAppunti(std::unique_ptr<QTextDocument> documento)
{
    CaricaAppunti([&documento](QTextEdit* t) {
        SostituisciDocumento(t, documento.release());
        QTextCursor inizio(t->document());
        t->setTextCursor(inizio);
    });
}

EsitoIncolla IncollaNegliAppunti(QTextEdit* casella, const QMimeData* dati, QString* errore)
{
    if (errore) errore->clear();
    QString rifiuto;
    if (const QByteArray rtf = Rtf::DaAppunti(dati); !rtf.isEmpty()) {
        const EsitoIncolla e = IncollaRtf(casella, rtf, &rifiuto);
        if (e != EsitoIncolla::Illeggibile) return e;
    }
    // Rich text the reader refuses goes in as the HTML or the plain text
    // beside it, never as its raw codes; with nothing beside it, the pupil
    // hears why.
    const auto Niente = [&] {
        if (Rtf::OltreILimiti(rifiuto)) {
            MostraTroppoLunghi();
            return EsitoIncolla::Rifiutato;
        }
        if (errore) *errore = rifiuto;
        return EsitoIncolla::Illeggibile;
    };
    if (!Utilizzabili(dati)) return Niente();
    // What the notes' own writer wrote, its reader refuses only past its
    // bounds.
    const auto Scritto = [casella](const QByteArray& rtf) {
        const EsitoIncolla e = IncollaRtf(casella, rtf, nullptr);
        if (e != EsitoIncolla::Illeggibile) return e;
        MostraTroppoLunghi();
        return EsitoIncolla::Rifiutato;
    };
    const QString html = casella->acceptRichText() ? Html(dati) : QString();
    if (!html.isEmpty()) {
        if (const std::optional<QString> riscritto = HtmlIncollato::Riscrivi(html)) {
            // Imported into a document of the box's font, as Qt's own paste
            // imports it, which loads nothing the HTML names: a file it
            // names may be a device or a pipe that never ends.
            SenzaRisorse d;
            d.setDefaultFont(casella->document()->defaultFont());
            d.setHtml(*riscritto);
            return Scritto(Rtf::Scrivi(d));
        }
        // Too large to import as HTML in time: the plain text beside it.
        if (dati->text().isEmpty()) {
            MostraTroppoLunghi();
            return EsitoIncolla::Rifiutato;
        }
    }
    const QString testo = dati->text();
    if (testo.isEmpty()) return Niente();
    // A text that never fits is refused before it is even copied.
    if (Rtf::TestoOltreILimiti(testo)) {
        MostraTroppoLunghi();
        return EsitoIncolla::Rifiutato;
    }
    // Plain text takes the formatting of typing (a button may have set it),
    // or of where the selection it replaces begins, as in Qt's own paste.
    QTextCursor inizio = casella->textCursor();
    if (inizio.hasSelection()) inizio.setPosition(inizio.selectionStart());
    const QTextCharFormat formato = inizio.charFormat();
    QTextDocument d;
    d.setDefaultFont(casella->document()->defaultFont());
    QTextCursor(&d).insertText(HtmlIncollato::TestoPulito(testo), formato);
    return Scritto(Rtf::Scrivi(d));
}
