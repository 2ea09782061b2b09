#include "windows/PredictionDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tiplark {

QtPredictionDialogs::QtPredictionDialogs(QWidget* parent)
    : m_parent(parent)
{
}

QString QtPredictionDialogs::startFolder(const QStringList& listed) const
{
    if (!m_lastFolder.isEmpty())
        return m_lastFolder;
    return listed.isEmpty() ? QDir::homePath() : QFileInfo(listed.constFirst()).absolutePath();
}

QStringList QtPredictionDialogs::chosen(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    m_lastFolder = QFileInfo(dialog.selectedFiles().constFirst()).absolutePath();
    return dialog.selectedFiles();
}

QString QtPredictionDialogs::chooseExportFile(const QString& title, const QString& filter)
{
    QFileDialog dialog(m_parent, title, startFolder({}));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    return chosen(dialog).value(0);
}

QString QtPredictionDialogs::chooseImportFile(const QString& title, const QString& filter)
{
    QFileDialog dialog(m_parent, title, startFolder({}));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    return chosen(dialog).value(0);
}

QStringList QtPredictionDialogs::choosePoolFiles(const QString& title, const QString& filter, const QStringList& current)
{
    QFileDialog dialog(m_parent, title, startFolder(current));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(filter);
    return chosen(dialog);
}

}  // namespace tiplark
