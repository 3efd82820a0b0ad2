#include "platform/HtmlIncollato.h"
#include "platform/Rtf.h"
#include <QHash>
#include <algorithm>
#include <vector>

namespace {

bool Spazio(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
bool LetteraAscii(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
QChar Minuscola(QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c; }

// A name written again only when it is a plain one: a letter, then letters,
// digits and - _ : . (anything else Qt's reader might split differently).
bool NomeSemplice(const QString& nome)
{
    if (nome.isEmpty() || !LetteraAscii(nome[0])) return false;
    for (QChar c : nome)
        if (!LetteraAscii(c) && !(c >= u'0' && c <= u'9') && c != u'-' && c != u'_' && c != u':' && c != u'.')
            return false;
    return true;
}

bool DellaTabella(const QString& n)
{
    return n == u"table" || n == u"tr" || n == u"td" || n == u"th" || n == u"thead" || n == u"tbody"
           || n == u"tfoot" || n == u"caption";
}

// Tags that go with their content, read as plain text up to their closing tag.
bool ConContenutoDaTogliere(const QString& n) { return n == u"script" || n == u"style" || n == u"title"; }

// Tags that go alone: they load or embed something, or hold no text; Qt knows
// most of them as nothing and would keep them open, nesting what follows.
bool DaTogliere(const QString& n)
{
    for (const char16_t* nome : {u"img", u"link", u"col", u"colgroup", u"input", u"area", u"base", u"embed", u"param",
                                 u"source", u"track", u"wbr", u"frame", u"keygen", u"image"})
        if (n == nome) return true;
    return false;
}

// Elements Qt closes as soon as they open.
bool Vuoto(const QString& n) { return n == u"br" || n == u"hr" || n == u"meta"; }

bool AttributoDaTogliere(const QString& n) { return n == u"src" || n == u"srcset" || n == u"background"; }

class Riscrittore {
public:
    explicit Riscrittore(QStringView html) : s_(html) {}

    std::optional<QString> Esegui()
    {
        if (s_.size() > HtmlIncollato::LunghezzaMassima) return std::nullopt;
        out_.reserve(s_.size() + s_.size() / 8);
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            if (c != u'<') {
                Testo();
            } else if (i_ + 1 < s_.size() && LetteraAscii(s_[i_ + 1])) {
                Apertura();
            } else if (i_ + 2 < s_.size() && s_[i_ + 1] == u'/' && LetteraAscii(s_[i_ + 2])) {
                Chiusura();
            } else if (i_ + 1 < s_.size() && (s_[i_ + 1] == u'!' || s_[i_ + 1] == u'?' || s_[i_ + 1] == u'/')) {
                Dichiarazione();
            } else {
                ++i_;
                Scrivi(u"&lt;");
            }
            if (out_.size() > HtmlIncollato::LunghezzaMassima || tag_ > HtmlIncollato::TagMassimi) return std::nullopt;
        }
        return std::move(out_);
    }

private:
    struct Aperto {
        QString nome;
        bool scritto;   // false: left out (past the deepest nesting kept, or an item past a list's last)
        int voci = 0;   // of a list: the items opened in it
    };

    void Scrivi(QStringView t)
    {
        out_ += t;
        confine_ = false;
    }

    // Text up to the next '<', as it is, less the characters the notes
    // leave out, raw or as numeric references. Blanks alone leave a
    // paragraph boundary just written the last thing, so that the next one
    // is not written again.
    void Testo()
    {
        const bool confine = confine_;
        bool soloSpazi = true;
        qsizetype da = i_;
        auto versa = [&](qsizetype a) { out_ += s_.sliced(da, a - da); };
        while (i_ < s_.size() && s_[i_] != u'<') {
            const QChar c = s_[i_];
            if (HtmlIncollato::CarattereTolto(c.unicode())) {
                versa(i_);
                if (c == u'\f' || c == u'\v') out_ += u' ';
                da = ++i_;
                continue;
            }
            if (c == u'&') {
                const qsizetype fine = RiferimentoTolto();
                if (fine > i_) {
                    versa(i_);
                    da = i_ = fine;
                    continue;
                }
            }
            if (!Spazio(c)) soloSpazi = false;
            ++i_;
        }
        versa(i_);
        confine_ = confine && soloSpazi;
    }

    // Where the numeric reference at i_ ends when it names a character the
    // notes leave out, or is one that Qt might read in a way this does not
    // (a sign, a digit too many); i_ when it is kept: a plain one of another
    // character, a named one, or an '&' that Qt takes as itself (no ';'
    // within the few characters it looks at, or a blank before it).
    qsizetype RiferimentoTolto() const
    {
        if (i_ + 1 >= s_.size() || s_[i_ + 1] != u'#') return i_;
        qsizetype j = i_ + 2;
        const qsizetype limite = std::min(s_.size(), i_ + 14);
        while (j < limite && s_[j] != u';' && !Spazio(s_[j])) ++j;
        if (j >= limite || s_[j] != u';') return i_;
        QStringView cifre = s_.sliced(i_ + 2, j - i_ - 2);
        int base = 10;
        if (!cifre.isEmpty() && (cifre[0] == u'x' || cifre[0] == u'X')) {
            base = 16;
            cifre = cifre.sliced(1);
        }
        bool semplice = !cifre.isEmpty() && cifre.size() <= 7;
        for (QChar c : cifre)
            semplice = semplice && ((c >= u'0' && c <= u'9') || (base == 16 && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'))));
        bool ok = false;
        const uint valore = semplice ? cifre.toUInt(&ok, base) : 0;
        if (!ok || valore > 0x10FFFF) return j + 1;
        return valore <= 0xFFFF && HtmlIncollato::CarattereTolto(char16_t(valore)) ? j + 1 : i_;
    }

    void Confine()
    {
        if (confine_) return;
        ++tag_;
        Scrivi(u"<div></div>");
        confine_ = true;
    }

    // A name from i_: up to a blank, '/', '>' or, for an attribute, '='.
    QString Nome(bool attributo)
    {
        QString nome;
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            if (Spazio(c) || c == u'/' || c == u'>' || (attributo && c == u'=' && !nome.isEmpty())) break;
            nome += Minuscola(c);
            ++i_;
        }
        return nome;
    }

    void SaltaSpazi()
    {
        while (i_ < s_.size() && Spazio(s_[i_])) ++i_;
    }

    // The attributes of a tag up to its '>' (which it passes), written in
    // attributi; true when the tag ends with "/>". An attribute value keeps
    // its references for Qt to read; the three characters that could end it
    // or a tag are written as references themselves.
    bool Attributi(QString& attributi, bool& finito)
    {
        finito = false;
        while (i_ < s_.size()) {
            SaltaSpazi();
            if (i_ >= s_.size()) break;
            if (s_[i_] == u'>') {
                ++i_;
                finito = true;
                return false;
            }
            if (s_[i_] == u'/') {
                ++i_;
                if (i_ < s_.size() && s_[i_] == u'>') {
                    ++i_;
                    finito = true;
                    return true;
                }
                continue;
            }
            const QString nome = Nome(true);
            SaltaSpazi();
            QStringView valore;
            bool conValore = false;
            if (i_ < s_.size() && s_[i_] == u'=') {
                ++i_;
                SaltaSpazi();
                conValore = true;
                const qsizetype inizio = i_;
                if (i_ < s_.size() && (s_[i_] == u'"' || s_[i_] == u'\'')) {
                    const QChar virgolette = s_[i_++];
                    const qsizetype da = i_;
                    while (i_ < s_.size() && s_[i_] != virgolette) ++i_;
                    valore = s_.sliced(da, i_ - da);
                    if (i_ < s_.size()) ++i_;
                } else {
                    while (i_ < s_.size() && !Spazio(s_[i_]) && s_[i_] != u'>') ++i_;
                    valore = s_.sliced(inizio, i_ - inizio);
                }
            }
            if (!NomeSemplice(nome) || AttributoDaTogliere(nome)) continue;
            attributi += u' ';
            attributi += nome;
            if (!conValore) continue;
            attributi += u"=\"";
            for (QChar c : valore) {
                if (c == u'"') attributi += u"&quot;";
                else if (c == u'<') attributi += u"&lt;";
                else if (c == u'>') attributi += u"&gt;";
                else attributi += c;
            }
            attributi += u'"';
        }
        return false;
    }

    void Apertura()
    {
        ++i_;   // '<'
        const QString nome = Nome(false);
        QString attributi;
        bool finito = false;
        const bool chiuso = Attributi(attributi, finito);
        if (!finito) return;   // cut short by the end of the input: nothing to write
        if (ConContenutoDaTogliere(nome)) {
            if (!chiuso) SaltaFinoAllaChiusura(nome);
            return;
        }
        if (DellaTabella(nome)) {
            Confine();
            return;
        }
        if (DaTogliere(nome) || !NomeSemplice(nome)) return;
        if (Vuoto(nome) || chiuso) {
            if (scritti_ < HtmlIncollato::ProfonditaMassima) {
                ++tag_;
                Scrivi(QString(QLatin1Char('<') + nome + attributi + QLatin1String(Vuoto(nome) ? ">" : "/>")));
            }
            return;
        }
        // What Qt would close by itself, closed here in the same way.
        if (!pila_.empty()) {
            const QString& sopra = pila_.back().nome;
            const bool termine = (nome == u"dt" || nome == u"dd") && (sopra == u"dt" || sopra == u"dd");
            if (termine || (sopra == nome && (nome == u"p" || nome == u"li"))) Chiudi();
        }
        // An item past the most a list keeps is a paragraph after it.
        if (nome == u"li" && !liste_.empty() && pila_[liste_.back()].voci++ >= HtmlIncollato::VociListaMassime) {
            Confine();
            pila_.push_back({nome, false});
            ++aperti_[nome];
            return;
        }
        const bool scritto = scritti_ < HtmlIncollato::ProfonditaMassima;
        if (nome == u"ul" || nome == u"ol") liste_.push_back(pila_.size());
        pila_.push_back({nome, scritto});
        ++aperti_[nome];
        if (scritto) {
            ++scritti_;
            ++tag_;
            Scrivi(QString(QLatin1Char('<') + nome + attributi + QLatin1Char('>')));
        }
    }

    void Chiusura()
    {
        i_ += 2;   // "</"
        const QString nome = Nome(false);
        while (i_ < s_.size() && s_[i_] != u'>') ++i_;
        if (i_ >= s_.size()) return;
        ++i_;
        if (DellaTabella(nome)) {
            Confine();
            return;
        }
        // Each element closed at most once, so that all the closings together
        // cost no more than the openings.
        if (aperti_.value(nome) == 0) return;
        while (pila_.back().nome != nome) Chiudi();
        Chiudi();
    }

    // Closes the innermost open element.
    void Chiudi()
    {
        const Aperto a = std::move(pila_.back());
        pila_.pop_back();
        if (!liste_.empty() && liste_.back() == pila_.size()) liste_.pop_back();
        --aperti_[a.nome];
        if (!a.scritto) return;
        --scritti_;
        Scrivi(QString(QLatin1String("</") + a.nome + QLatin1Char('>')));
    }

    // Comments up to "-->", any other declaration up to '>'; nothing written.
    void Dichiarazione()
    {
        if (s_.sliced(i_).startsWith(u"<!--")) {
            const qsizetype fine = s_.indexOf(u"-->", i_ + 4);
            i_ = fine < 0 ? s_.size() : fine + 3;
            return;
        }
        const qsizetype fine = s_.indexOf(u'>', i_ + 2);
        i_ = fine < 0 ? s_.size() : fine + 1;
    }

    // Past "</nome" and its '>', or to the end of the input.
    void SaltaFinoAllaChiusura(const QString& nome)
    {
        while (i_ < s_.size()) {
            const qsizetype lt = s_.indexOf(u"</", i_);
            if (lt < 0) break;
            i_ = lt + 2;
            if (s_.sliced(i_).startsWith(nome, Qt::CaseInsensitive)) {
                const qsizetype dopo = i_ + nome.size();
                if (dopo >= s_.size() || Spazio(s_[dopo]) || s_[dopo] == u'>' || s_[dopo] == u'/') {
                    const qsizetype fine = s_.indexOf(u'>', dopo);
                    i_ = fine < 0 ? s_.size() : fine + 1;
                    return;
                }
            }
        }
        i_ = s_.size();
    }

    QStringView s_;
    qsizetype i_ = 0;
    QString out_;
    std::vector<Aperto> pila_;
    std::vector<size_t> liste_;   // where the lists open in pila_ are
    QHash<QString, int> aperti_;   // open elements by name
    int scritti_ = 0;              // open elements written
    qsizetype tag_ = 0;            // elements written (each closing goes with one)
    bool confine_ = false;         // the last thing written is a paragraph boundary
};

} // namespace

namespace HtmlIncollato {

std::optional<QString> Riscrivi(QStringView html)
{
    return Riscrittore(html).Esegui();
}

bool CarattereTolto(char16_t c)
{
    // Line ends and the paragraph separator are the text's own paragraphs
    // here, not characters of a paragraph.
    return c != u'\n' && c != u'\r' && c != 0x2029 && Rtf::CarattereNonTenuto(c);
}

QString TestoPulito(const QString& testo)
{
    QString pulito;
    pulito.reserve(testo.size());
    for (QChar c : testo) {
        if (!CarattereTolto(c.unicode())) pulito += c;
        else if (c == u'\f' || c == u'\v') pulito += u' ';
    }
    return pulito;
}

}
