// Every text the range window shows a user goes through the translator: with a translator that
// marks each text it is asked for, every caption, heading, button, menu entry and list item
// comes out marked. Numbers and the calculation's own sentences are not captions and are left
// out by name.

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <QtTest>

#include "support/RangeWindowDriver.h"

namespace {

// Hands back every text wrapped in « and », so an untranslated one stands out.
class MarkingTranslator : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char* = nullptr,
                      int = -1) const override {
        return QStringLiteral("«") + QString::fromUtf8(source) + QStringLiteral("»");
    }
    bool isEmpty() const override { return false; }
};

bool Marked(const QString& text) {
    return text.isEmpty() ||
           (text.contains(QStringLiteral("«")) && text.contains(QStringLiteral("»")));
}

}  // namespace

class RangeTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCaptionIsTranslated();
    void theObjectNameIsNotTranslated();
};

void RangeTextsTest::everyCaptionIsTranslated() {
    MarkingTranslator marker;
    QCoreApplication::installTranslator(&marker);
    range_test::Window t;
    QStringList unmarked;
    for (QLabel* label : t.w->findChildren<QLabel*>())
        // The labels named lbl… hold results, notes and messages, not captions.
        if (!label->objectName().startsWith(QLatin1String("lbl")) && !Marked(label->text()))
            unmarked << label->text();
    for (QAbstractButton* button : t.w->findChildren<QAbstractButton*>())
        if (!button->objectName().startsWith(QLatin1String("qt_")) && !Marked(button->text()))
            unmarked << button->text();
    for (QGroupBox* group : t.w->findChildren<QGroupBox*>())
        if (!Marked(group->title())) unmarked << group->title();
    for (QAction* action : t.w->menuBar()->actions() + t.w->findChildren<QAction*>())
        if (!action->isSeparator() && !Marked(action->text())) unmarked << action->text();
    for (QComboBox* list : t.w->findChildren<QComboBox*>())
        for (int k = 0; k < list->count(); ++k)
            if (!Marked(list->itemText(k))) unmarked << list->itemText(k);
    const auto& layers = t.layers();
    for (int c = 0; c < layers.columnCount(); ++c) {
        const QString heading = layers.headerData(c, Qt::Horizontal).toString();
        if (!Marked(heading)) unmarked << heading;
    }
    if (!Marked(t.w->windowTitle())) unmarked << t.w->windowTitle();
    QCoreApplication::removeTranslator(&marker);
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral(" | "))));
}

void RangeTextsTest::theObjectNameIsNotTranslated() {
    // The window's object name keys its remembered geometry: no translation may change it.
    MarkingTranslator marker;
    QCoreApplication::installTranslator(&marker);
    range_test::Window t;
    QCoreApplication::removeTranslator(&marker);
    QCOMPARE(t.w->objectName(), QStringLiteral("RangeWindow"));
}

QTEST_MAIN(RangeTextsTest)
#include "range_texts_test.moc"
