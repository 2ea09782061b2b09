#include "windows/PredictionDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tiplark {

QtPredictionDialogs::QtPredictionDialogs(QWidget* parent)
    : m_parent(parent)
{
}

QString QtPredictionDialogs::chooseExportFile(const QString& title, const QString& filter)
{
    QFileDialog dialog(m_parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPredictionDialogs::chooseImportFile(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, QString(), filter);
}

QStringList QtPredictionDialogs::choosePoolFiles(const QString& title, const QString& filter, const QStringList& current)
{
    QFileDialog dialog(m_parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(filter);
    if (!current.isEmpty())
        dialog.setDirectory(QFileInfo(current.constFirst()).absolutePath());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

}  // namespace tiplark
