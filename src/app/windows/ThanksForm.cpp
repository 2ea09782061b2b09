#include "windows/ThanksForm.h"

#include "i18n/Language.h"
#include "services/QtMessageService.h"
#include "windows/ScreenCentre.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tiplark {

TThanksForm::TThanksForm(QWidget* parent, const Language& language)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ThanksForm"));
    setWindowTitle(QStringLiteral("Tiplark"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromStdString(language.text("about.thanks")), this);
    heading->setObjectName(QStringLiteral("ThanksLbl"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    auto* people = new QLabel(displayText(language.text("thanks.body")), this);
    people->setObjectName(QStringLiteral("TestersLbl"));
    layout->addWidget(people);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitOnScreen(this);
}

}  // namespace tiplark
