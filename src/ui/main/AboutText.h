#pragma once
// The texts of the About box: version, licence, data sources and how far the results can be
// trusted. The accuracy statement is the README's, word for word.

#include <QString>

namespace fenra {

// "About Fenra32".
QString AboutTitle();

// How far the results can be trusted, as the README says it.
QString AccuracyStatement();

// The whole text of the About box.
QString AboutText();

}  // namespace fenra
