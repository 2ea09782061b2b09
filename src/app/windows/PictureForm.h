#pragma once

#include "services/AssetLocator.h"

#include <QDialog>

namespace tiplark {

// A window that shows one picture asset and closes on a click, Escape,
// Enter or its Close button.
class PictureForm : public QDialog {
    Q_OBJECT
public:
    PictureForm(QWidget* parent, const QString& caption, const QString& pictureFile, const AssetLocator& assets);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The tribute window; its tune stays silent.
class TValenciaForm : public PictureForm {
    Q_OBJECT
public:
    TValenciaForm(QWidget* parent, const AssetLocator& assets);
};

// The dedication window.
class TDedicationForm : public PictureForm {
    Q_OBJECT
public:
    TDedicationForm(QWidget* parent, const AssetLocator& assets);
};

}  // namespace tiplark
