#pragma once
// Helpers for tests that work on the windows: fractions put straight into
// the store, the notes' text cursor, and a fixture with the main window on
// the screen and sheet A open and active.
#include "Aiuti.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <initializer_list>
#include <ostream>
#include <vector>

// A fraction record as a test writes it into the store.
struct Fr {
    int16_t num, den, sel = 0, colore = 12;
    bool operator==(const Fr&) const = default;
};

inline std::ostream& operator<<(std::ostream& o, const Fr& f)
{
    return o << f.num << "/" << f.den << " sel " << f.sel << " col " << f.colore;
}

// Sheet s holds exactly these fractions.
inline void Metti(uint8_t s, std::initializer_list<Fr> frazioni)
{
    int16_t n = 0;
    for (const Fr& f : frazioni) {
        ++n;
        Frazioni[s][n][1] = f.num;
        Frazioni[s][n][2] = f.den;
        Frazioni[s][n][3] = f.sel;
        Frazioni[s][n][4] = f.colore;
    }
    NumFrazioni(s) = n;
}

// Sheet s holds quante copies of f.
inline void Riempi(uint8_t s, int quante, Fr f)
{
    for (int i = 1; i <= quante; ++i) {
        Frazioni[s][i][1] = f.num;
        Frazioni[s][i][2] = f.den;
        Frazioni[s][i][3] = f.sel;
        Frazioni[s][i][4] = f.colore;
    }
    NumFrazioni(s) = int16_t(quante);
}

// The fractions of sheet s, in order.
inline std::vector<Fr> FrazioniDelFoglio(uint8_t s)
{
    std::vector<Fr> v;
    for (int i = 1; i <= NumFrazioni(s); ++i)
        v.push_back({Frazioni[s][i][1], Frazioni[s][i][2], Frazioni[s][i][3], Frazioni[s][i][4]});
    return v;
}

inline void Seleziona(QTextEdit* t, int da, int a)
{
    QTextCursor c(t->document());
    c.setPosition(da);
    c.setPosition(a, QTextCursor::KeepAnchor);
    t->setTextCursor(c);
}

inline void MettiInFondo(QTextEdit* t)
{
    QTextCursor c(t->document());
    c.movePosition(QTextCursor::End);
    t->setTextCursor(c);
}

// The format of character i.
inline QTextCharFormat Formato(QTextEdit* t, int i)
{
    QTextCursor c(t->document());
    c.setPosition(i + 1);   // the format of the character before the cursor
    return c.charFormat();
}

inline QColor ColoreCarattere(QTextEdit* t, int i) { return Formato(t, i).foreground().color(); }
inline bool Grassetto(const QTextCharFormat& f) { return f.fontWeight() > QFont::Medium; }

// The main window on the screen with sheet A open and active, the notebook
// unchanged, nothing shown or played yet.
class ProvaConFoglio : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        Inizializza();
        Unica<Princ>::Istanza()->resize(1000, 700);
        Unica<Princ>::Istanza()->show();
        MostraFoglio(1);
        Unica<Princ>::Istanza()->ImpostaToolbar2(1, true);
        Unica<Princ>::Istanza()->Affianca();
        FoglioAttivo = 1;
        QuadernoModificato = FALSO;
        Modale::Azzera();
        Suono::AzzeraRegistrati();
    }
    // As Toolbar2 button 3 pressed.
    void ApriAppunti()
    {
        Unica<Princ>::Istanza()->ImpostaToolbar2(3, true);
        MostraAppunti();
        Unica<Princ>::Istanza()->Affianca();
    }
};
