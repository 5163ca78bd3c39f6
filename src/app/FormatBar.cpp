#include "app/FormatBar.h"

#include "format/Presets.h"
#include "platform/TextCodec.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

namespace tessra {
namespace {

struct FieldLook {
    FormatField field;
    const char* beside;  // the text at the field's left
    const char* range;   // the text under it, around the ends of the field's range
    bool millimetres;
};

constexpr FieldLook kFieldLooks[] = {
    {FormatField::SheetWidth, "幅", "( %1～%2)", true},
    {FormatField::SheetHeight, "高さ", "( %1～%2)", true},
    {FormatField::LabelWidth, "幅W", "( %1～%2)", true},
    {FormatField::LabelHeight, "高さH", "( %1～%2)", true},
    {FormatField::Rows, "行数", "(%1～%2)", false},
    {FormatField::Columns, "列数", "(%1～%2)", false},
    {FormatField::X1, "X1", "( %1～%2)", true},
    {FormatField::Y1, "Y1", "( %1～%2)", true},
    {FormatField::X2, "X2", "( %1～%2)", true},
    {FormatField::Y2, "Y2", "( %1～%2)", true},
    {FormatField::X3, "X3", "( %1～( %2) )", true},
    {FormatField::Y3, "Y3", "( %1～(%2) )", true},
    {FormatField::LinePitch, "Y4", "( %1～%2 )", true},
};

const FieldLook& LookOf(FormatField field)
{
    return kFieldLooks[static_cast<int>(field)];
}

// The ten fields of the sheet layout, which only a user-defined size lets the user edit.
constexpr FormatField kLayoutFields[] = {
    FormatField::SheetWidth, FormatField::SheetHeight, FormatField::LabelWidth,
    FormatField::LabelHeight, FormatField::Rows, FormatField::Columns,
    FormatField::X1, FormatField::Y1, FormatField::X2, FormatField::Y2};

// The order in which a selection shows its values; a field's rule may change a value shown later.
constexpr FormatField kShowOrder[] = {
    FormatField::SheetWidth, FormatField::SheetHeight, FormatField::Rows, FormatField::Columns,
    FormatField::X1, FormatField::X2, FormatField::Y1, FormatField::Y2,
    FormatField::LabelWidth, FormatField::LabelHeight, FormatField::X3, FormatField::Y3};

QString FieldText(const AppState& state, FormatField field)
{
    return QString::fromStdString(FieldValueText(field, FieldValue(state.document.format(), field)));
}

QString Ascii(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString RangeText(const FieldLook& look)
{
    const RangeEndTexts ends = RangeEndsOf(look.field);
    return QString::fromUtf8(look.range)
        .arg(QString::fromStdString(ends.lowest), QString::fromStdString(ends.highest));
}

// Which fixed-pitch button a line code checks; no code means the pitch is given in millimetres.
std::optional<FixedPitch> PitchOfCode(const std::string& code)
{
    if (code.empty()) return std::nullopt;
    const LinePitch* row = FindLinePitch(code);
    return row ? row->pitch : FixedPitch::LP22;
}

QString Shown(std::string_view cp932)
{
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string StdString(const QVariant& bytes)
{
    return bytes.toByteArray().toStdString();
}

// The name a screen reader hears for a list: Qt announces a combo box by its current entry, so
// the description carries the name too.
void NameList(QComboBox& list, const QString& name, const char* objectName)
{
    list.setObjectName(objectName);
    list.setAccessibleName(name);
    list.setAccessibleDescription(name);
}

}  // namespace

FormatBar::FormatBar(AppState& state, std::function<void()> changed,
                     std::function<void(const QString&)> tell, QWidget* parent)
    : QWidget(parent), state_(state), changed_(std::move(changed)), tell_(std::move(tell))
{
    setObjectName("formatBar");
    auto* column = new QVBoxLayout(this);
    column->addWidget(KindGroup());
    column->addWidget(PairGroup("シートサイズ", {FormatField::SheetWidth, FormatField::SheetHeight}));
    column->addWidget(PairGroup("ラベルサイズ", {FormatField::LabelWidth, FormatField::LabelHeight}));
    column->addWidget(PairGroup("ラベル配置", {FormatField::Rows, FormatField::Columns,
                                              FormatField::X1, FormatField::Y1,
                                              FormatField::X2, FormatField::Y2}));
    column->addWidget(PairGroup("ラベル内文字位置", {FormatField::X3, FormatField::Y3}));
    column->addWidget(PitchGroup());
    column->addWidget(DataGroup());
    column->addStretch();
}

QGroupBox* FormatBar::KindGroup()
{
    auto* group = new QGroupBox("シート形式");
    auto* lists = new QVBoxLayout(group);
    kindList_ = new QComboBox;
    sizeList_ = new QComboBox;
    NameList(*kindList_, "シート形式 種類", "kindList");
    NameList(*sizeList_, "シート形式 サイズ", "sizeList");
    for (int kind = 0; kind < kSheetKindCount; ++kind) {
        const std::string_view name = KindName(static_cast<SheetKind>(kind));
        kindList_->addItem(Shown(name), Bytes(name));
    }
    kindList_->setCurrentIndex(-1);
    sizeList_->setMaxVisibleItems(8);
    lists->addWidget(kindList_);
    lists->addWidget(sizeList_);
    connect(kindList_, &QComboBox::activated, this, &FormatBar::OnKindActivated);
    connect(sizeList_, &QComboBox::activated, this, &FormatBar::OnSizeActivated);
    return group;
}

void FormatBar::AddField(QGridLayout& grid, int row, int column, const QString& group,
                         FormatField field, bool withTextBeside)
{
    const FieldLook& look = LookOf(field);
    auto* beside = new QLabel(QString::fromUtf8(look.beside));
    auto* edit = new QLineEdit;
    auto* range = new QLabel(RangeText(look));
    edit->setAlignment(Qt::AlignRight);
    edit->setMaxLength(32);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("0000.00") + 16);
    edit->setObjectName(QStringLiteral("field%1").arg(static_cast<int>(field)));
    edit->setAccessibleName(group + ' ' + beside->text());
    edit->setAccessibleDescription(range->text());
    beside->setBuddy(edit);
    range->setAlignment(Qt::AlignCenter);
    if (withTextBeside) {
        grid.addWidget(beside, row, column, Qt::AlignRight);
    } else {
        delete beside;
    }
    grid.addWidget(edit, row, column + 1);
    if (look.millimetres) grid.addWidget(new QLabel("㎜"), row, column + 2);
    grid.addWidget(range, row + 1, column, 1, 3, Qt::AlignRight);
    fields_[static_cast<int>(field)] = edit;
    connect(edit, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { OnFieldTextChanged(field, text); });
    connect(edit, &QLineEdit::editingFinished, this,
            [this, field] { OnFieldEditingFinished(field); });
}

QGroupBox* FormatBar::PairGroup(const char* title, std::initializer_list<FormatField> fields)
{
    const QString name = QString::fromUtf8(title);
    auto* group = new QGroupBox(name);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(1);
    grid->setColumnMinimumWidth(3, 6);
    int index = 0;
    for (const FormatField field : fields) {
        AddField(*grid, index / 2 * 2, index % 2 * 4, name, field);
        ++index;
    }
    return group;
}

QGroupBox* FormatBar::PitchGroup()
{
    const QString name = QStringLiteral("改行幅　Y4");
    auto* group = new QGroupBox(name);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(1);
    auto* buttons = new QButtonGroup(group);

    customPitch_ = new QRadioButton;
    customPitch_->setObjectName("customPitch");
    customPitch_->setAccessibleName("寸法指定");
    auto* customText = new QLabel("寸法指定");
    customText->setBuddy(customPitch_);
    buttons->addButton(customPitch_);
    // The pitch field stands after its button; "Y4" is already in the group's title.
    AddField(*grid, 0, 1, name, FormatField::LinePitch, false);
    Field(FormatField::LinePitch).setAccessibleName("改行幅 Y4");
    grid->addWidget(customText, 0, 0, Qt::AlignRight);
    grid->addWidget(customPitch_, 0, 1, Qt::AlignRight);
    connect(customPitch_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) OnCustomPitch();
    });

    grid->addWidget(new QLabel("定形"), 2, 0, Qt::AlignRight);
    grid->addWidget(new QLabel("(行間ｽｲｯﾁ)"), 3, 0, Qt::AlignRight);
    auto* fixedRow = new QHBoxLayout;
    auto* switchRow = new QHBoxLayout;
    for (const LinePitch& look : kLinePitches) {
        const QString text = Ascii(look.buttonText);
        const QString switchSetting = Ascii(look.switchSetting);
        auto* button = new QRadioButton(text);
        button->setObjectName(QStringLiteral("pitch") + text);
        auto* setting = new QLabel(switchSetting);
        setting->setAlignment(Qt::AlignCenter);
        button->setAccessibleDescription(switchSetting);
        fixedRow->addWidget(button);
        switchRow->addWidget(setting);
        buttons->addButton(button);
        fixedPitches_[static_cast<int>(look.pitch)] = button;
        connect(button, &QRadioButton::toggled, this, [this, pitch = look.pitch](bool on) {
            if (on) OnFixedPitch(pitch);
        });
    }
    grid->addLayout(fixedRow, 2, 1, 1, 5);
    grid->addLayout(switchRow, 3, 1, 1, 5);
    return group;
}

QGroupBox* FormatBar::DataGroup()
{
    auto* group = new QGroupBox("データ");
    auto* column = new QVBoxLayout(group);
    sameData_ = new QRadioButton("ラベル(1)と全て同じ");
    ownData_ = new QRadioButton("ラベル毎に異なる");
    sameData_->setObjectName("sameData");
    ownData_->setObjectName("ownData");
    column->addWidget(sameData_);
    column->addWidget(ownData_);
    connect(sameData_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) OnDataMode(true);
    });
    connect(ownData_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) OnDataMode(false);
    });
    return group;
}

QLineEdit& FormatBar::Field(FormatField field) const
{
    return *fields_[static_cast<int>(field)];
}

QRadioButton& FormatBar::FixedPitchButton(FixedPitch pitch) const
{
    return *fixedPitches_[static_cast<int>(pitch)];
}

QRadioButton& FormatBar::DataButton(bool sameForAllLabels) const
{
    return sameForAllLabels ? *sameData_ : *ownData_;
}

void FormatBar::ShowSelection()
{
    const PresetPosition position = SelectPresetInBar(state_.document.selectedPresetKey());
    kindList_->setCurrentIndex(position.kindIndex);
    FillSizes(position.kindIndex);
    sizeList_->setCurrentIndex(position.sizeIndex);
    ApplySelection(Document::FormatOrigin::Preset);
}

void FormatBar::FillSizes(int kindIndex)
{
    FormatChoice choice = state_.document.choice();
    const tessra::SizeList sizes = tessra::FillSizeList(kindIndex, choice);
    state_.document.SetFormat(std::move(choice), Document::FormatOrigin::Preset);
    sizeList_->clear();
    for (const std::string& row : sizes.rows) {
        const std::string name = row.substr(0, row.find('#'));
        sizeList_->addItem(Shown(name).trimmed(), Bytes(row));
    }
    const QSignalBlocker sameBlocker(sameData_);
    const QSignalBlocker ownBlocker(ownData_);
    ownData_->setEnabled(sizes.perLabelDataEnabled);
    if (!sizes.perLabelDataEnabled) sameData_->setChecked(true);
}

void FormatBar::ApplySelection(Document::FormatOrigin origin)
{
    const std::string kindText = StdString(kindList_->currentData());
    const std::string sizeText = StdString(sizeList_->currentData());
    FormatChoice choice = state_.document.choice();
    const LayoutEdits edits = ApplyPresetSelection(choice, kindText, sizeText);
    state_.document.SetFormat(std::move(choice), origin);
    // The fields' own rules take what the selection shows as the selection's change.
    const Document::FormatOrigin typed = std::exchange(fieldOrigin_, origin);
    for (const FormatField field : kLayoutFields) {
        const bool sheetSize = field == FormatField::SheetWidth || field == FormatField::SheetHeight;
        Field(field).setEnabled(edits == LayoutEdits::All ||
                                (edits == LayoutEdits::SheetSizeOnly && sheetSize));
    }
    for (const FormatField field : kShowOrder) WriteField(field, FieldText(state_, field));
    ShowPitchAndDataMode();
    fieldOrigin_ = typed;
}

void FormatBar::ShowPitchAndDataMode()
{
    const std::optional<FixedPitch> fixed = PitchOfCode(state_.document.format().lineCode);
    QRadioButton& checked = fixed ? FixedPitchButton(*fixed) : *customPitch_;
    {
        const QSignalBlocker blocker(checked);
        checked.setChecked(true);
    }
    Field(FormatField::LinePitch).setEnabled(!fixed);
    WriteField(FormatField::LinePitch, FieldText(state_, FormatField::LinePitch));

    const QSignalBlocker sameBlocker(sameData_);
    const QSignalBlocker ownBlocker(ownData_);
    DataButton(state_.document.sameDataForAllLabels()).setChecked(true);
}

void FormatBar::WriteField(FormatField field, const QString& text)
{
    QLineEdit& edit = Field(field);
    if (edit.text() == text) {
        OnFieldTextChanged(field, text);
    } else {
        edit.setText(text);
    }
}

void FormatBar::OnKindActivated(int kindIndex)
{
    FillSizes(kindIndex);
    sizeList_->setCurrentIndex(0);
    ApplySelection(Document::FormatOrigin::User);
    changed_();
}

void FormatBar::OnSizeActivated()
{
    ApplySelection(Document::FormatOrigin::User);
    changed_();
}

void FormatBar::OnFieldTextChanged(FormatField field, const QString& text)
{
    FormatChoice choice = state_.document.choice();
    const FieldChange change = ApplyFieldText(choice, field, text.toStdString());
    if (!change.stored) return;
    state_.document.SetFormat(std::move(choice), fieldOrigin_);
    if (change.mirrorInto) WriteField(*change.mirrorInto, text);
    changed_();
}

// The per-keystroke rule may have ignored what the field shows: the field shows the value in use
// again, and the user is told why.
void FormatBar::OnFieldEditingFinished(FormatField field)
{
    QLineEdit& edit = Field(field);
    const std::optional<FieldResync> resync = ResyncField(
        state_.document.choice(), field, edit.text().toStdString(), edit.accessibleName().toStdString());
    if (!resync) return;
    {
        const QSignalBlocker blocker(edit);
        edit.setText(QString::fromStdString(resync->text));
    }
    if (tell_) tell_(QString::fromStdString(resync->reason));
}

void FormatBar::ChangeFormat(const std::function<void(FormatChoice&)>& rule)
{
    FormatChoice choice = state_.document.choice();
    rule(choice);
    state_.document.SetFormat(std::move(choice), Document::FormatOrigin::User);
}

void FormatBar::OnFixedPitch(FixedPitch pitch)
{
    WriteField(FormatField::LinePitch, Ascii(FixedPitchText(pitch)));
    ChangeFormat([pitch](FormatChoice& choice) { ApplyFixedPitch(choice, pitch); });
    Field(FormatField::LinePitch).setEnabled(false);
    changed_();
}

void FormatBar::OnCustomPitch()
{
    const std::string pitchText = Field(FormatField::LinePitch).text().toStdString();
    ChangeFormat([&pitchText](FormatChoice& choice) { ApplyCustomPitch(choice, pitchText); });
    Field(FormatField::LinePitch).setEnabled(true);
    changed_();
}

void FormatBar::OnDataMode(bool sameForAllLabels)
{
    ChangeFormat([sameForAllLabels](FormatChoice& choice) { ApplyDataMode(choice, sameForAllLabels); });
    changed_();
}

FormatBar::BarView FormatBar::ShownNow() const
{
    BarView shown;
    shown.kind = kindList_->currentIndex();
    shown.size = sizeList_->currentIndex();
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        shown.texts[f] = fields_[f]->text();
        shown.enabled[f] = fields_[f]->isEnabled();
    }
    for (std::size_t p = 0; p < fixedPitches_.size(); ++p)
        if (fixedPitches_[p]->isChecked()) shown.pitchButton = static_cast<int>(p);
    if (customPitch_->isChecked()) shown.pitchButton = static_cast<int>(fixedPitches_.size());
    shown.sameData = sameData_->isChecked();
    shown.ownDataEnabled = ownData_->isEnabled();
    return shown;
}

void FormatBar::Show(const BarView& shown)
{
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject* widget : findChildren<QObject*>()) blockers.push_back(std::make_unique<QSignalBlocker>(widget));
    kindList_->setCurrentIndex(shown.kind);
    sizeList_->clear();
    FormatChoice scratch;  // the data mode comes from what is shown, not from the list's rule
    for (const std::string& row : tessra::FillSizeList(std::max(0, shown.kind), scratch).rows)
        sizeList_->addItem(Shown(row.substr(0, row.find('#'))).trimmed(), Bytes(row));
    sizeList_->setCurrentIndex(shown.size);
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        fields_[f]->setText(shown.texts[f]);
        fields_[f]->setEnabled(shown.enabled[f]);
    }
    QRadioButton* pitch = shown.pitchButton >= 0 && shown.pitchButton < static_cast<int>(fixedPitches_.size())
                              ? fixedPitches_[static_cast<std::size_t>(shown.pitchButton)]
                              : customPitch_;
    pitch->setChecked(true);
    ownData_->setEnabled(shown.ownDataEnabled);
    DataButton(shown.sameData).setChecked(true);
}

}  // namespace tessra
