#pragma once
// Enabling of the main window's commands by which document windows are open.
void ImpostaComandiFoglio();
void ImpostaComandiAppunti();
void ImpostaComandiNessunFoglio();
void AggiornaStatoComandi();
