#include "windows/OptionsForm.h"

#include "document/MainBoard.h"
#include "i18n/TimeZoneTable.h"
#include "windows/ScreenCentre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tiplark {
namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// What a screen reader says for a control: its caption without the
// keyboard marker and the trailing colon.
QString spoken(const std::string& caption)
{
    QString text = qs(caption).remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

QComboBox* addList(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(false);
    // As wide as the longest entry, so that any chosen one shows whole.
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

QLabel* addLabel(QWidget* parent, const char* name, QWidget* buddy)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TOptionsForm::TOptionsForm(MainBoard& main, OptionsModel::SaveAll save, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_model(main, std::move(save))
{
    setObjectName(QStringLiteral("OptionsForm"));
    setModal(true);

    m_panel = new QGroupBox(this);
    m_panel->setObjectName(QStringLiteral("OptionsPanel"));
    m_langBox = addList(m_panel, "LangCB");
    for (const std::string& entry : OptionsModel::languageEntries())
        m_langBox->addItem(qs(entry));
    m_langLabel = addLabel(m_panel, "LangLbl", m_langBox);
    m_favBox = addList(m_panel, "FavCB");
    m_favLabel = addLabel(m_panel, "FavLbl", m_favBox);
    m_zoneBox = addList(m_panel, "TimeZoneCB");
    m_zoneLabel = addLabel(m_panel, "TimeZoneLbl", m_zoneBox);
    m_daylight = new QCheckBox(m_panel);
    m_daylight->setObjectName(QStringLiteral("DaylightCheckBox"));

    auto* form = new QFormLayout(m_panel);
    form->addRow(m_langLabel, m_langBox);
    form->addRow(m_favLabel, m_favBox);
    form->addRow(m_zoneLabel, m_zoneBox);
    form->addRow(m_daylight);

    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addLayout(buttons);

    connect(m_langBox, &QComboBox::currentIndexChanged, this, &TOptionsForm::LangCBChange);
    connect(m_favBox, &QComboBox::currentIndexChanged, this, &TOptionsForm::FavCBChange);
    connect(m_zoneBox, &QComboBox::currentIndexChanged, this, [this](int entry) { m_model.setTimeZoneSelection(entry); });
    connect(m_daylight, &QCheckBox::toggled, this, [this](bool ticked) { m_model.setDaylight(ticked); });
    connect(m_okButton, &QPushButton::clicked, this, &TOptionsForm::OKButtonClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &TOptionsForm::reject);
    mirror();
    // The designed size, or more where the captions and entries need it; the
    // layout keeps the window from shrinking below what they need.
    resize(QSize(417, 265).expandedTo(sizeHint()));
}

void TOptionsForm::showFromMenu(MainBoard& main, OptionsModel::SaveAll save, QWidget* parent)
{
    TOptionsForm form(main, std::move(save), parent);
    form.exec();
    main.SetFirstTimeGroups();
}

void TOptionsForm::reject()
{
    // Escape and the window's close end up here as well as the Cancel button.
    if (m_model.CancelButtonClick())
        QDialog::reject();
}

void TOptionsForm::showEvent(QShowEvent* event)
{
    // A restore after minimising shows the dialog spontaneously; only
    // opening it starts from the stored preferences.
    if (!event->spontaneous()) {
        m_model.FormShow();
        mirror();
        fitOnScreen(this);
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_langBox->setFocus();
}

void TOptionsForm::LangCBChange(int entry)
{
    m_model.setLanguageSelection(entry);
    m_model.LangCBChange();
    mirror();
}

void TOptionsForm::FavCBChange(int entry)
{
    m_model.setFavoriteSelection(entry);
    m_model.FavCBChange();
}

void TOptionsForm::OKButtonClick()
{
    if (m_model.OKButtonClick())
        accept();
}

void TOptionsForm::mirror()
{
    const QSignalBlocker langBlocker(m_langBox);
    const QSignalBlocker favBlocker(m_favBox);
    const QSignalBlocker zoneBlocker(m_zoneBox);
    const QSignalBlocker daylightBlocker(m_daylight);

    const OptionsCaptions& captions = m_model.captions();
    setWindowTitle(qs(captions.title));
    m_panel->setTitle(qs(captions.panel));
    m_langLabel->setText(qs(captions.language));
    m_favLabel->setText(qs(captions.favorite));
    m_zoneLabel->setText(qs(captions.timeZone));
    m_daylight->setText(qs(captions.daylight));
    m_okButton->setText(qs(captions.ok));
    m_cancelButton->setText(qs(captions.cancel));
    m_langBox->setAccessibleName(spoken(captions.language));
    m_favBox->setAccessibleName(spoken(captions.favorite));
    m_zoneBox->setAccessibleName(spoken(captions.timeZone));
    m_okButton->setAccessibleName(spoken(captions.ok));
    m_cancelButton->setAccessibleName(spoken(captions.cancel));

    m_favBox->clear();
    for (const std::string& entry : m_model.favoriteEntries())
        m_favBox->addItem(qs(entry));
    m_zoneBox->clear();
    for (const std::string& entry : m_model.timeZoneEntries())
        m_zoneBox->addItem(qs(entry));
    m_langBox->setCurrentIndex(m_model.languageSelection());
    m_favBox->setCurrentIndex(m_model.favoriteSelection());
    m_zoneBox->setCurrentIndex(m_model.timeZoneSelection());
    m_daylight->setChecked(m_model.daylight());
    m_cancelButton->setEnabled(m_model.cancelEnabled());
}

}  // namespace tiplark
