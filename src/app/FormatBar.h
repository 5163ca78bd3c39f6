#pragma once

#include "document/AppState.h"
#include "format/FormatBarRules.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace tessra {

// The format bar's contents: the sheet kind and size lists, the layout fields, the line pitch
// and the data mode. Every change goes through the format rules of the core; the widgets only
// show what the state holds and which fields may be edited.
class FormatBar final : public QWidget {
public:
    // `changed` hears of each change the user made, once the document has it; `tell` shows a
    // message in the status bar.
    FormatBar(AppState& state, std::function<void()> changed,
              std::function<void(const QString&)> tell = {}, QWidget* parent = nullptr);

    // Selects the lists' entries for the selected preset key and shows the format in the fields,
    // as showing the bar and File New do. Leaves the document unmodified.
    void ShowSelection();

    // What the bar's widgets show, to be put back as it was when a change is undone.
    struct BarView {
        int kind = -1;
        int size = -1;
        std::array<QString, 13> texts;
        std::array<bool, 13> enabled{};
        int pitchButton = -1;  // a fixed pitch, or 4 for 寸法指定
        bool sameData = true;
        bool ownDataEnabled = true;
        bool operator==(const BarView&) const = default;
    };
    BarView ShownNow() const;
    // Shows `shown` without running any rule: the state it belongs to is put back beside it.
    void Show(const BarView& shown);

    QComboBox& KindList() const { return *kindList_; }
    QComboBox& SizeList() const { return *sizeList_; }
    QLineEdit& Field(FormatField field) const;
    QRadioButton& FixedPitchButton(FixedPitch pitch) const;
    QRadioButton& CustomPitchButton() const { return *customPitch_; }
    QRadioButton& DataButton(bool sameForAllLabels) const;

private:
    QGroupBox* KindGroup();
    QGroupBox* PairGroup(const char* title, std::initializer_list<FormatField> fields);
    QGroupBox* PitchGroup();
    QGroupBox* DataGroup();
    void AddField(QGridLayout& grid, int row, int column, const QString& group, FormatField field,
                  bool withTextBeside = true);

    void OnKindActivated(int kindIndex);
    void OnSizeActivated();
    void OnFieldTextChanged(FormatField field, const QString& text);
    void OnFieldEditingFinished(FormatField field);
    void OnFixedPitch(FixedPitch pitch);
    void OnCustomPitch();
    void OnDataMode(bool sameForAllLabels);

    void FillSizes(int kindIndex);
    void ApplySelection(Document::FormatOrigin origin);
    // A rule of the bar runs on a copy of the document's format, which then becomes the
    // document's, changed by the user.
    void ChangeFormat(const std::function<void(FormatChoice&)>& rule);
    void ShowPitchAndDataMode();
    // Writes a text into a field; its rule runs even when the text was already there.
    void WriteField(FormatField field, const QString& text);

    AppState& state_;
    std::function<void()> changed_;
    Document::FormatOrigin fieldOrigin_ = Document::FormatOrigin::User;
    std::function<void(const QString&)> tell_;
    QComboBox* kindList_ = nullptr;
    QComboBox* sizeList_ = nullptr;
    std::array<QLineEdit*, 13> fields_{};
    std::array<QRadioButton*, 4> fixedPitches_{};
    QRadioButton* customPitch_ = nullptr;
    QRadioButton* sameData_ = nullptr;
    QRadioButton* ownData_ = nullptr;
};

}  // namespace tessra
