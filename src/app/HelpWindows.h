#pragma once

#include <QDialog>

namespace tessra {

// 寸法の説明: what each field of a sheet format measures, with a figure. Modeless; closing it
// only hides it, so it comes back where it was.
class DimensionHelpWindow final : public QDialog {
public:
    explicit DimensionHelpWindow(QWidget* parent);
};

// The program icon, the product name and the version line, with an OK button.
class VersionDialog final : public QDialog {
public:
    explicit VersionDialog(QWidget* parent);
};

// The program icon, in every size the window system asks for.
QIcon ProgramIcon();

}  // namespace tessra
