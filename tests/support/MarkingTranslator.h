#pragma once
// A translator that hands back every text wrapped in « and », so that a window text that does
// not go through the translation stands out in a test.

#include <QString>
#include <QTranslator>

class MarkingTranslator : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char* = nullptr,
                      int = -1) const override {
        return QStringLiteral("«") + QString::fromUtf8(source) + QStringLiteral("»");
    }
    bool isEmpty() const override { return false; }
};
