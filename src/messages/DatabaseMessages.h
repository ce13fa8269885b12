#pragma once
// The sentences of the element database and of the search for it: the places looked in, the
// file that cannot be opened or read, and each table, column or value that is missing or
// wrong. The element library throws an ElementDatabaseError with the id and its values; the
// English template is written once, in DatabaseMessages.cpp. fenra32-calc and the Python module
// say it in English (Words), the windows translate the template first (ui/messages).

#include <vector>

#include "messages/Message.h"

namespace fenra {

enum class DatabaseText {
    // The places looked in
    PlaceBesideProgram,
    PlaceInstalledData,
    NotFoundAt,
    FolderAt,
    NotFoundProgramUnknown,
    NextLine,
    // The file
    NotFound,
    IsFolder,
    NotRegular,
    CannotOpen,
    CannotRead,
    OutOfMemory,
    SqliteReason,
    NotADatabase,
    LargerThan,
    NotSqlite,
    // The tables and their columns
    TableMissing,
    NoColumn,
    TooFewColumns,
    NotInOrder,
    NoElement,
    SymbolTwice,
    TwoRecords,
    NoProtonRecord,
    // The values
    Record,
    AtomNum,
    ValuePlace,
    ElementValuePlace,
    ValueEmpty,
    ValueNotNumber,
    ValueNotFinite,
    ValueBeyondSingle,
    ValueBeyondInteger,
    CoefficientImplausible,
    ValueAbovePlausible,
    ValueNotAboveZero,
    Count  // the number of ids, not a sentence
};

// The English template of `id`, marked with FENRA_TRANSLATE_NOOP; nullptr only for Count.
const char* TemplateOf(DatabaseText id);

// How many values (%1..%n) the template of `id` takes.
int ArgumentCount(DatabaseText id);

// The sentence `id` with its values.
Message Sentence(DatabaseText id, std::vector<Message> args = {});

}  // namespace fenra
