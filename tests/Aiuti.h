#pragma once
// Shared test fixture: a clean shared state, the program folder and the
// settings store in a temporary folder, scripted boxes and recorded sounds.
#include "platform/Impostazioni.h"
#include "platform/Modale.h"
#include "platform/Suono.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

class ProvaZefra : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        DistruggiPrinc();
        AzzeraStatoGenerale();
        Impostazioni::ImpostaCartella(cartella.path());
        Modale::Copione(true);
        Modale::Azzera();
        Suono::Registra(true);
        Suono::AzzeraRegistrati();
    }
    void TearDown() override
    {
        DistruggiPrinc();
        Modale::Azzera();
        Suono::AzzeraRegistrati();
    }
    // Start values with the program folder moved to the temporary folder.
    void Inizializza()
    {
        InizializzaApplicazione();
        CartellaProgramma = cartella.path() + QLatin1Char('/');
    }
    QString Percorso(const QString& nome) const { return cartella.path() + QLatin1Char('/') + nome; }

    QTemporaryDir cartella;
};

// Runs azione as soon as a modal window is up (for dialogs driven by tests).
inline void QuandoModale(std::function<void(QWidget*)> azione, int tentativi = 200)
{
    QTimer::singleShot(10, [azione, tentativi]() {
        if (QWidget* w = QApplication::activeModalWidget()) azione(w);
        else if (tentativi > 0) QuandoModale(azione, tentativi - 1);
    });
}
