#include "windows/PictureForm.h"

#include "windows/ScreenCentre.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tiplark {

PictureForm::PictureForm(QWidget* parent, const QString& caption, const QString& pictureFile,
                         const AssetLocator& assets)
    : QDialog(parent)
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("PictureImage"));
    picture->setPixmap(assets.picture(pictureFile));
    picture->setMinimumSize(400, 300);
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(caption);
    layout->addWidget(picture);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("CloseButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitOnScreen(this);
}

void PictureForm::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        accept();
}

TValenciaForm::TValenciaForm(QWidget* parent, const AssetLocator& assets)
    : PictureForm(parent, QStringLiteral("Valencia"), QStringLiteral("valencia.jpg"), assets)
{
    setObjectName(QStringLiteral("ValenciaForm"));
}

TDedicationForm::TDedicationForm(QWidget* parent, const AssetLocator& assets)
    : PictureForm(parent, QStringLiteral("Dedication"), QStringLiteral("dedication.jpg"), assets)
{
    setObjectName(QStringLiteral("DedicationForm"));
}

}  // namespace tiplark
