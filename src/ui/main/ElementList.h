#pragma once
// The element lists of the main window (the ion and the ten target slots). Each entry shows
// its symbol when the list is closed and "Si  Silicon (14)" in the open list; the symbol is the
// entry's data, which the window reads (never the text shown). Typing a symbol selects it:
// "S" selects sulfur, "Si" silicon, even though silicon comes first in the table.

#include <QComboBox>
#include <QString>

#include "elements/ElementDatabase.h"

namespace fenra {

// The role of an entry's long text ("Si  Silicon (14)").
constexpr int kElementEntryTextRole = Qt::UserRole + 1;

// "Si  Silicon (14)"; the symbol and number alone for an element without a known name.
QString ElementEntryText(const ElementRecord& rec);

// Fills an empty list with the table's elements in stored order, quietly and without a choice,
// and lets typing a symbol select it.
void FillElementList(QComboBox* list, const ElementDatabase& db);

// The symbol of the chosen entry; empty when none is chosen.
QString ChosenSymbol(const QComboBox* list);

// The entry whose symbol is typed: the one spelled so (in any case), else the first whose
// symbol begins so; -1 when none.
int EntryForTypedSymbol(const QComboBox* list, const QString& typed);

}  // namespace fenra
