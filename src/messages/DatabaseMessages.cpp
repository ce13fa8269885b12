#include "messages/DatabaseMessages.h"

#include <cassert>
#include <cstddef>
#include <iterator>
#include <utility>

#define TR(text) FENRA_TRANSLATE_NOOP("fenra::Messages", text)

namespace fenra {

namespace {

struct DatabaseTemplate {
    DatabaseText id;
    int args;  // %1..%args
    const char* text;
};

// In the order of DatabaseText, so that an id is its row (checked by the messages tests).
constexpr DatabaseTemplate kTemplates[] = {
    {DatabaseText::PlaceBesideProgram, 0, TR("beside the program")},
    {DatabaseText::PlaceInstalledData, 0, TR("installed data folder")},
    {DatabaseText::NotFoundAt, 2, TR("Element database \"%1\" not found (%2).")},
    {DatabaseText::FolderAt, 2, TR("Element database \"%1\" is a folder, not a file (%2).")},
    {DatabaseText::NotFoundProgramUnknown, 0,
     TR("Element database not found: the program's folder is unknown.")},
    {DatabaseText::NextLine, 2, TR("%1\n%2")},
    {DatabaseText::NotFound, 1, TR("Element database \"%1\" not found.")},
    {DatabaseText::IsFolder, 1, TR("Element database \"%1\" is a folder, not a file.")},
    {DatabaseText::NotRegular, 2, TR("Element database \"%1\" is %2, not a regular file.")},
    {DatabaseText::CannotOpen, 2, TR("Element database \"%1\" cannot be opened: %2.")},
    {DatabaseText::CannotRead, 2, TR("Element database \"%1\" cannot be read: %2.")},
    {DatabaseText::OutOfMemory, 0, TR("out of memory")},
    {DatabaseText::SqliteReason, 1, TR("%1.")},
    {DatabaseText::NotADatabase, 2, TR("\"%1\" is not an element database: %2")},
    {DatabaseText::LargerThan, 1, TR("it is larger than %1 MB.")},
    {DatabaseText::NotSqlite, 0, TR("it is not an SQLite database file.")},
    {DatabaseText::TableMissing, 1, TR("table \"%1\" is missing.")},
    {DatabaseText::NoColumn, 2, TR("table \"%1\" has no column \"%2\".")},
    {DatabaseText::TooFewColumns, 2,
     TR("table \"%1\" has %2 columns; the symbol is read from column 2 and the default mass from "
        "column 4.")},
    {DatabaseText::NotInOrder, 3,
     TR("table \"%1\" must list the elements in ascending AtomNum from 1 without gaps, but "
        "record %2 has AtomNum %3.")},
    {DatabaseText::NoElement, 1, TR("table \"%1\" holds no element.")},
    {DatabaseText::SymbolTwice, 4,
     TR("table \"%1\" lists the symbol \"%2\" twice (AtomNum %3 and %4).")},
    {DatabaseText::TwoRecords, 2, TR("table \"%1\" holds two records of AtomNum %2.")},
    {DatabaseText::NoProtonRecord, 3, TR("table \"%1\" has no record for AtomNum %2 (%3).")},
    {DatabaseText::Record, 1, TR("record %1")},
    {DatabaseText::AtomNum, 1, TR("AtomNum %1")},
    {DatabaseText::ValuePlace, 4, TR("\"%1\": table \"%2\", column \"%3\" of %4")},
    {DatabaseText::ElementValuePlace, 5,
     TR("\"%1\": table \"%2\", column \"%3\" of element \"%4\" (AtomNum %5)")},
    {DatabaseText::ValueEmpty, 1, TR("%1 is empty.")},
    {DatabaseText::ValueNotNumber, 2, TR("%1 holds \"%2\", not a number.")},
    {DatabaseText::ValueNotFinite, 1, TR("%1 is not a finite number.")},
    {DatabaseText::ValueBeyondSingle, 1,
     TR("%1 is beyond the range of a single-precision number.")},
    {DatabaseText::ValueBeyondInteger, 1, TR("%1 is beyond the range of a 16-bit integer.")},
    {DatabaseText::CoefficientImplausible, 3,
     TR("%1 holds %2, beyond the plausible magnitude %3 of a fitted coefficient.")},
    {DatabaseText::ValueAbovePlausible, 3,
     TR("%1 holds %2, above the plausible %3 for any element.")},
    {DatabaseText::ValueNotAboveZero, 2, TR("%1 holds %2, not a value above 0.")},
};

static_assert(std::size(kTemplates) == static_cast<std::size_t>(DatabaseText::Count),
              "one template per id");

const DatabaseTemplate* RowOf(DatabaseText id) {
    const auto k = static_cast<std::size_t>(id);
    if (k >= std::size(kTemplates) || kTemplates[k].id != id) return nullptr;
    return &kTemplates[k];
}

}  // namespace

const char* TemplateOf(DatabaseText id) {
    const DatabaseTemplate* row = RowOf(id);
    return row ? row->text : nullptr;
}

int ArgumentCount(DatabaseText id) {
    const DatabaseTemplate* row = RowOf(id);
    return row ? row->args : 0;
}

Message Sentence(DatabaseText id, std::vector<Message> args) {
    assert(static_cast<int>(args.size()) == ArgumentCount(id));
    return Sentence(TemplateOf(id), std::move(args));
}

}  // namespace fenra
