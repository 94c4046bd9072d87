#include "print/sheetwindow.h"

#include "frame/look.h"
#include "print/paper.h"
#include "print/weak.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

SheetWindow::SheetWindow(RecordStore *record, const Services &services, QWidget *parent)
    : QDialog(parent), record_(record), services_(services)
{
    setObjectName(QStringLiteral("SheetWindow"));
    setWindowTitle(QStringLiteral("プリント"));
    setFont(Look::face(14));

    TopicBox = new QComboBox(this);
    TopicBox->setObjectName(QStringLiteral("TopicBox"));
    for (SheetTopic t : SheetTopics())
        TopicBox->addItem(SheetTopicName(t), int(t));
    CountBox = new QSpinBox(this);
    CountBox->setObjectName(QStringLiteral("CountBox"));
    CountBox->setSuffix(QStringLiteral(" もん"));
    WeakBox = new QCheckBox(QStringLiteral("にがて から"), this);
    WeakBox->setObjectName(QStringLiteral("WeakBox"));
    TitleEdit = new QLineEdit(this);
    TitleEdit->setObjectName(QStringLiteral("TitleEdit"));
    PreviewButton = new QPushButton(QStringLiteral("みる…"), this);
    PreviewButton->setObjectName(QStringLiteral("PreviewButton"));
    PrintButton = new QPushButton(QStringLiteral("いんさつ…"), this);
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    PdfButton = new QPushButton(QStringLiteral("PDF に ほぞん…"), this);
    PdfButton->setObjectName(QStringLiteral("PdfButton"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("もんだい"), TopicBox);
    form->addRow(QStringLiteral("かず"), CountBox);
    form->addRow(QString(), WeakBox);
    form->addRow(QStringLiteral("だい"), TitleEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(PreviewButton);
    buttons->addWidget(PrintButton);
    buttons->addWidget(PdfButton);
    auto *all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addLayout(buttons);

    connect(TopicBox, &QComboBox::currentIndexChanged, this, &SheetWindow::topicPicked);
    connect(PreviewButton, &QPushButton::clicked, this, &SheetWindow::preview);
    connect(PrintButton, &QPushButton::clicked, this, &SheetWindow::print);
    connect(PdfButton, &QPushButton::clicked, this, &SheetWindow::askPdf);
    topicPicked();
}

void SheetWindow::topicPicked()
{
    const SheetTopic topic = SheetTopic(TopicBox->currentData().toInt());
    const int page = SheetLayoutOf(topic).capacity();
    CountBox->setRange(1, page);
    CountBox->setValue(page);
    TitleEdit->setPlaceholderText(SheetTopicName(topic));
}

Worksheet SheetWindow::worksheet()
{
    SheetRequest request;
    request.topic = SheetTopic(TopicBox->currentData().toInt());
    request.count = CountBox->value();
    request.title = TitleEdit->text();
    // A seed of six digits, small in the footer: the same seed makes the
    // same sheet again.
    services_.random->reseed();
    request.seed = quint32(100000 + services_.random->below(900000));
    if (WeakBox->isChecked() && record_)
        request.weakFirst = WeakProblems(record_, record_->currentPupil().id, services_.clock->now().date());
    return MakeWorksheet(request);
}

void SheetWindow::preview()
{
    const Worksheet sheet = worksheet();
    PreviewPages(this, sheet.title, [&sheet](QPagedPaintDevice &d) { return PaintWorksheet(d, sheet); });
}

void SheetWindow::print()
{
    const Worksheet sheet = worksheet();
    PrintPages(this, [&sheet](QPagedPaintDevice &d) { return PaintWorksheet(d, sheet); });
}

bool SheetWindow::savePdf(const QString &path)
{
    QString error;
    const bool ok = WriteWorksheetPdf(path, worksheet(), &error);
    services_.dialogs->message(this, SavedText(path, ok, error));
    return ok;
}

void SheetWindow::askPdf()
{
    const QString path = AskPdfPath(this, QStringLiteral("計算プリント.pdf"));
    if (!path.isEmpty())
        savePdf(path);
}
