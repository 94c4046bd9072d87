#pragma once
// The "プリント" window: a worksheet's topic, how many problems, "にがて
// から" and the title line, then the sheet shown, printed or saved as a PDF.
#include "frame/platform.h"
#include "print/problems.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class RecordStore;

class SheetWindow : public QDialog {
    Q_OBJECT
public:
    SheetWindow(RecordStore *record, const Services &services, QWidget *parent = nullptr);

    QComboBox *TopicBox;       // the kind of problem
    QSpinBox *CountBox;        // how many; a full page when the topic is picked
    QCheckBox *WeakBox;        // "にがて から"
    QLineEdit *TitleEdit;      // the title line; the topic's name when left empty
    QPushButton *PreviewButton;
    QPushButton *PrintButton;
    QPushButton *PdfButton;

    // The sheet the window's choices make, with a new seed each time.
    Worksheet worksheet();
    // Saves a new sheet as a PDF at path; the result is told in a message.
    bool savePdf(const QString &path);

private:
    void topicPicked();
    void preview();
    void print();
    void askPdf();

    RecordStore *record_;
    const Services &services_;
};
