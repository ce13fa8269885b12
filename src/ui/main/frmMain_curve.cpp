#include "ui/main/frmMain.h"

void frmMain::mnuDepthStop_Click() {
    // curve commands: filled in by the curve window work
}

void frmMain::mnuDepthEnergy_Click() {
    // curve commands: filled in by the curve window work
}

void frmMain::mnuEnergyStop_Click() {
    // curve commands: filled in by the curve window work
}
