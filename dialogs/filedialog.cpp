#include "filedialog.h"
#include "ui_filedialog.h"

#include "resourceimage.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

FileDialog::FileDialog(QWidget *parent)
    : FileDialog(Services(), parent)
{
}

FileDialog::FileDialog(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::FileDialog>())
    , m_services(services)
{
    m_ui->setupUi(this);
    // The header picture is chosen for the screen's pixel density.
    m_ui->lbl_Logo->setPixmap(resourceimage::pixmap(QStringLiteral(":/resources/imgs/advenced.png"),
                                                    devicePixelRatioF()));
}

FileDialog::~FileDialog() = default;

QString FileDialog::fileName() const
{
    return m_fileName;
}

void FileDialog::closeEvent(QCloseEvent *event)
{
    // The base handler is skipped on purpose: the close button must not get
    // past the check either.
    const QString text = m_ui->txt_FileName->text();
    const QFileInfo info(text);
    if (info.isFile() && info.isReadable()) {
        m_fileName = text;
        setResult(QDialog::Accepted);
        event->accept();
        return;
    }

    QMessageBox box(QMessageBox::Warning, tr("Error"),
                    tr("Please browse for a file you want to convert!\n"), QMessageBox::NoButton,
                    this);
    QPushButton *dismiss = box.addButton(tr("Dismiss"), QMessageBox::AcceptRole);
    box.setDefaultButton(dismiss);
    box.exec();
    event->ignore();
}

void FileDialog::on_btn_Cancel_clicked()
{
    reject();
}

void FileDialog::on_btn_Convert_clicked()
{
    close();
}

void FileDialog::on_btn_Browse_clicked()
{
    // A cancelled browse empties the field on purpose: what is shown is what
    // the user last chose.
    if (m_services.chooseOpenFile)
        m_ui->txt_FileName->setText(m_services.chooseOpenFile(this));
}
