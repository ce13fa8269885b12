// The fields of the data set editor, row by row, as they were designed: the ion, the data set
// indicator, the ten target slots and the materials field; the names a screen reader speaks,
// and the order Tab walks them in.

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/main/DataSetEditor.h"
#include "ui/main/FieldEdit.h"

namespace fenra {

namespace {

constexpr int kTargetSlotsPerBlock = 5;

QLabel* NamedLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

FieldEdit* NamedField(const QString& name, QWidget* parent) {
    auto* field = new FieldEdit(parent);
    field->setObjectName(name);
    return field;
}

// A scroll bar turns the wheel the natural way (down: next) only with its controls inverted,
// which also turns its arrow keys round (Left: next). This gives Left and Right the direction
// of the arrows drawn on the bar again; the wheel stays as it is.
class ArrowKeysAsDrawn : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* bar = qobject_cast<QScrollBar*>(watched);
        if (bar == nullptr || event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
        bar->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
};

// A scroll bar of the Fusion style shows no sign of the focus. This draws the style's focus
// frame over the bar while it has the focus, so that a keyboard's user sees where the arrow
// keys go.
class FocusFrameDrawn : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) return false;
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) widget->update();
        if (event->type() != QEvent::Paint || !widget->hasFocus()) return false;
        // The bar paints itself first (its own handler, past this filter), the frame over it.
        watched->event(event);
        QPainter painter(widget);
        QStyleOptionFocusRect frame;
        frame.initFrom(widget);
        // The style draws the frame only for a focus the keyboard moved, as here.
        frame.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        frame.rect = widget->rect().adjusted(1, 1, -1, -1);
        frame.backgroundColor = widget->palette().color(QPalette::Window);
        widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, widget);
        return true;
    }
};

}  // namespace

// The ion: symbol, atomic number, mass, energy, range; each under a caption of two lines.
QLayout* DataSetEditor::createIonRow() {
    ionCombo_ = new QComboBox(this);
    ionCombo_->setObjectName(QStringLiteral("DBCbIon"));
    atomicNumberLabel_ = NamedLabel(QStringLiteral("lblZNum"), QString(), this);
    atomicNumberLabel_->setMinimumWidth(24);
    massEdit_ = NamedField(QStringLiteral("txtIonMass"), this);
    energyEdit_ = NamedField(QStringLiteral("txtEnergy"), this);
    rangeEdit_ = NamedField(QStringLiteral("txtRange"), this);
    energyEdit_->setText(QStringLiteral("1000"));
    rangeEdit_->setText(QStringLiteral("100000"));
    // "Range" is the depth the curves follow the ion through, not the ion's range.
    const QString rangeTip =
        tr("Range: the depth, in 1E15 atoms/cm2, over which the curves "
           "follow the ion (not the ion's range)");
    rangeEdit_->setToolTip(rangeTip);
    rangeEdit_->setStatusTip(rangeTip);
    rangeEdit_->setProperty(kBaseToolTipProperty, rangeTip);

    auto* row = new QGridLayout;
    row->setHorizontalSpacing(6);
    row->setVerticalSpacing(0);
    const auto caption = [&](const char* name, const QString& text, int line, int column) {
        QLabel* label = NamedLabel(QString::fromLatin1(name), text, this);
        row->addWidget(label, line, column);
        return label;
    };
    captions_.ion = caption("lblelement", tr("&Ion"), 1, 0);
    caption("lblAtomNum1", tr("Atomic"), 0, 1);
    caption("lblAtomNum2", tr("Number"), 1, 1);
    captions_.mass = caption("lblMass", tr("M&ass"), 1, 2);
    captions_.energy = caption("lblEnergy1", tr("Ion &energy"), 0, 3);
    caption("lblEnergy2", tr("(keV)"), 1, 3);
    captions_.range = caption("lblRange1", tr("&Range"), 0, 4);
    caption("lblRange2", tr("(1e15 atom/cm2)"), 1, 4);
    row->addWidget(ionCombo_, 2, 0);
    row->addWidget(atomicNumberLabel_, 2, 1);
    row->addWidget(massEdit_, 2, 2);
    row->addWidget(energyEdit_, 2, 3);
    row->addWidget(rangeEdit_, 2, 4);
    return row;
}

// The data set indicator and the scroll bar that moves between data sets.
QLayout* DataSetEditor::createDataSetRow() {
    dataSetLabel_ = NamedLabel(QStringLiteral("lblDataset1"), QString(), this);
    dataSetLabel_->setMinimumWidth(70);
    dataSetScrollBar_ = new QScrollBar(Qt::Horizontal, this);
    dataSetScrollBar_->setObjectName(QStringLiteral("HscrolData"));
    dataSetScrollBar_->setRange(1, 1);
    dataSetScrollBar_->setPageStep(1);
    resetButton_ = new QPushButton(tr("Reset"), this);
    resetButton_->setObjectName(QStringLiteral("cmdReset"));

    auto* row = new QHBoxLayout;
    captions_.dataSet = NamedLabel(QStringLiteral("lblDataset0"), tr("&Data set"), this);
    row->addWidget(captions_.dataSet);
    row->addWidget(dataSetScrollBar_, 1);
    row->addWidget(dataSetLabel_);
    row->addWidget(resetButton_);
    return row;
}

// The ten target slots in two blocks of five: number, element, ratio.
QLayout* DataSetEditor::createTargetRows() {
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(3);
    rows->setVerticalSpacing(1);
    for (int block = 0; block < 2; ++block) {
        const int top = block * 3;
        // The first block's captions take the keys (Alt+T, Alt+O) to slot 1; the second's lead
        // a screen reader to slot 6.
        const bool first = block == 0;
        const QString suffix = first ? QString() : QStringLiteral("_2");
        QLabel*& target = first ? captions_.targets : captions_.targets2;
        QLabel*& ratio = first ? captions_.ratios : captions_.ratios2;
        target = NamedLabel(QStringLiteral("lblTName") + suffix,
                            first ? tr("&Target") : tr("Target"), this);
        ratio = NamedLabel(QStringLiteral("lblComp") + suffix, first ? tr("Rati&o") : tr("Ratio"),
                           this);
        rows->addWidget(target, top + 1, 0);
        rows->addWidget(ratio, top + 2, 0);
    }
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        const int top = ((j - 1) / kTargetSlotsPerBlock) * 3;
        const int column = (j - 1) % kTargetSlotsPerBlock + 1;
        QLabel*& number = captions_.slotNumbers[j];
        number = NamedLabel(QStringLiteral("lblTarget%1").arg(j - 1), QString::number(j), this);
        number->setAlignment(Qt::AlignCenter);
        QComboBox*& element = targetElementCombos_[j];
        element = new QComboBox(this);
        element->setObjectName(QStringLiteral("DBCbTEl%1").arg(j));
        FieldEdit*& ratio = ratioEdits_[j];
        ratio = NamedField(QStringLiteral("txtTComp%1").arg(j), this);
        rows->addWidget(number, top, column);
        rows->addWidget(element, top + 1, column);
        rows->addWidget(ratio, top + 2, column);
    }
    return rows;
}

// The materials field beside the target slots: a formula or a material name typed there fills
// the slots and ratios of the shown data set, as picking the elements and typing the ratios
// would.
QLayout* DataSetEditor::createMaterialRow() {
    materialEdit_ = new QLineEdit(this);
    materialEdit_->setObjectName(QStringLiteral("txtMaterial"));
    materialEdit_->setAccessibleName(tr("Material or formula"));
    materialEdit_->setPlaceholderText(tr("Formula or material (H2O, mylar), then Enter"));
    materialEdit_->setToolTip(
        tr("Type a chemical formula, an element symbol or the name of a common material and "
           "press Enter: the target slots and ratios of this data set are filled from it."));
    auto* label = new QLabel(tr("&Material"), this);
    label->setObjectName(QStringLiteral("lblMaterial"));
    label->setBuddy(materialEdit_);
    connect(materialEdit_, &QLineEdit::returnPressed, this, &DataSetEditor::enterMaterial);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(materialEdit_, 1);
    return row;
}

void DataSetEditor::nameControls() {
    // The captions of the ion row are two labels each ("Ion energy" over "(keV)"); the name
    // joins them, as a reader of the window would.
    ionCombo_->setAccessibleName(tr("Ion"));
    massEdit_->setAccessibleName(tr("Mass"));
    energyEdit_->setAccessibleName(tr("Ion energy (keV)"));
    rangeEdit_->setAccessibleName(tr("Range (1e15 atom/cm2)"));
    dataSetScrollBar_->setAccessibleName(tr("Data set"));
    resetButton_->setAccessibleName(resetButton_->text());
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        targetElementCombos_[j]->setAccessibleName(tr("Target %1").arg(j));
        ratioEdits_[j]->setAccessibleName(tr("Ratio %1").arg(j));
    }
    // The labels lead to their fields: a click on the caption and a screen reader's relation.
    captions_.ion->setBuddy(ionCombo_);
    captions_.mass->setBuddy(massEdit_);
    captions_.energy->setBuddy(energyEdit_);
    captions_.range->setBuddy(rangeEdit_);
    captions_.dataSet->setBuddy(dataSetScrollBar_);
    // A list's own name is its current entry where screen readers use the label relation
    // (Linux): the slot numbers above the target lists are their captions.
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        captions_.slotNumbers[j]->setBuddy(targetElementCombos_[j]);
        captions_.slotNumbers[j]->setAccessibleName(targetElementCombos_[j]->accessibleName());
    }
    constexpr int kSecondBlockSlot = kTargetSlotsPerBlock + 1;
    captions_.targets->setBuddy(targetElementCombos_[1]);
    captions_.ratios->setBuddy(ratioEdits_[1]);
    captions_.targets2->setBuddy(targetElementCombos_[kSecondBlockSlot]);
    captions_.ratios2->setBuddy(ratioEdits_[kSecondBlockSlot]);
    // The data set bar takes the keyboard too: the arrow keys move between data sets, and a
    // frame shows it has the focus.
    dataSetScrollBar_->setFocusPolicy(Qt::StrongFocus);
    dataSetScrollBar_->installEventFilter(new ArrowKeysAsDrawn(dataSetScrollBar_));
    dataSetScrollBar_->installEventFilter(new FocusFrameDrawn(dataSetScrollBar_));
}

std::vector<QWidget*> DataSetEditor::tabOrder() const {
    // Top to bottom as the window reads: the ion, the data set, the target slots one by one
    // (element, then its ratio), the material beside them.
    std::vector<QWidget*> order = {ionCombo_,  massEdit_,         energyEdit_,
                                   rangeEdit_, dataSetScrollBar_, resetButton_};
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        order.push_back(targetElementCombos_[j]);
        order.push_back(ratioEdits_[j]);
    }
    order.push_back(materialEdit_);
    return order;
}

void DataSetEditor::connectFields() {
    connect(ionCombo_, &QComboBox::currentIndexChanged, this, &DataSetEditor::ionChosen);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        FieldEdit* ratio = ratioEdits_[j];
        connect(targetElementCombos_[j], &QComboBox::currentIndexChanged, this,
                [this, j] { targetElementChosen(j); });
        connect(ratio, &FieldEdit::keyUp, this, [this, j] { ratioEdited(j); });
        connect(ratio, &FieldEdit::gotFocus, ratio, &QLineEdit::selectAll);
    }
    // A field that gets the focus shows its whole text selected, so typing replaces the value.
    for (FieldEdit* field : {massEdit_, energyEdit_, rangeEdit_})
        connect(field, &FieldEdit::gotFocus, field, &QLineEdit::selectAll);
    // The keyboard's user reads what the range field is in the status bar, as the mouse's does.
    connect(rangeEdit_, &FieldEdit::gotFocus, this,
            [this] { emit statusMessage(rangeEdit_->statusTip()); });
    connect(massEdit_, &QLineEdit::textChanged, this, &DataSetEditor::massEdited);
    connect(massEdit_, &FieldEdit::keyUp, this, &DataSetEditor::massEdited);
    connect(massEdit_, &FieldEdit::keyPress, this, &DataSetEditor::massKeyPressed);
    connect(energyEdit_, &FieldEdit::keyUp, this, &DataSetEditor::energyEdited);
    connect(energyEdit_, &FieldEdit::keyDown, this, &DataSetEditor::energyKeyDown);
    connect(rangeEdit_, &FieldEdit::keyUp, this, &DataSetEditor::rangeEdited);
    connect(dataSetScrollBar_, &QScrollBar::valueChanged, this, &DataSetEditor::dataSetScrolled);
    connect(resetButton_, &QPushButton::clicked, this, &DataSetEditor::resetRequested);
}

}  // namespace fenra
