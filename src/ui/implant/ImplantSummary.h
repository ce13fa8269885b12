#pragma once
// The summary of an ion paths run as the window's table shows it: one row per quantity, with
// its value, its standard error where it has one, and its unit. Numbers in nine significant
// digits, as fenra32-calc implant prints them.

#include <QCoreApplication>
#include <QString>
#include <string>
#include <vector>

#include "implant/Implant.h"
#include "messages/Message.h"

namespace fenra {

struct SummaryRow {
    QString quantity, value, error, unit;
};

class ImplantSummary {
    Q_DECLARE_TR_FUNCTIONS(ImplantSummary)

  public:
    // names: the layers' materials, for the ions stopped in each; displacement: the
    // displacement energies of the Kinchin-Pease count in fenra32-calc's words
    // (DisplacementWords), shown translated beside it.
    static std::vector<SummaryRow> rows(const ImplantResult& r,
                                        const std::vector<std::string>& names,
                                        const Message& displacement);
    // The number as the table shows it.
    static QString number(double v);
};

}  // namespace fenra
