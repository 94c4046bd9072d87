#include "record/pupils.h"

#include "frame/platform.h"

#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>

namespace {
const QString kIdKey = QStringLiteral("pupil/id");
const QString kNameKey = QStringLiteral("pupil/name");

// Asks for a pupil's name, class and 出席番号; false when cancelled or
// left without a name.
bool askPupil(QWidget *parent, const QString &title, Pupil *pupil)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *form = new QFormLayout(&dialog);
    auto *name = new QLineEdit(pupil->name, &dialog);
    name->setObjectName(QStringLiteral("PupilName"));
    name->setMaxLength(40);
    auto *className = new QLineEdit(pupil->className, &dialog);
    className->setObjectName(QStringLiteral("PupilClass"));
    className->setMaxLength(40);
    className->setPlaceholderText(QStringLiteral("（なくても よい）"));
    auto *number = new QSpinBox(&dialog);
    number->setObjectName(QStringLiteral("PupilNumber"));
    number->setRange(0, 99);
    number->setSpecialValueText(QStringLiteral("なし"));
    number->setValue(pupil->number);
    form->addRow(QStringLiteral("なまえ"), name);
    form->addRow(QStringLiteral("クラス"), className);
    form->addRow(QStringLiteral("出席番号"), number);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || name->text().trimmed().isEmpty())
        return false;
    pupil->name = name->text().trimmed();
    pupil->className = className->text().trimmed();
    pupil->number = number->value();
    return true;
}
}  // namespace

PupilSetting PupilSetting::load()
{
    QSettings settings;
    return {settings.value(kIdKey).toString(), settings.value(kNameKey).toString()};
}

void PupilSetting::save() const
{
    QSettings settings;
    settings.setValue(kIdKey, id);
    settings.setValue(kNameKey, name);
}

QString PupilTitle(const Pupil &pupil)
{
    if (pupil.name.isEmpty())
        return QStringLiteral("なまえなし");
    QStringList where;
    if (!pupil.className.isEmpty())
        where << pupil.className;
    if (pupil.number > 0)
        where << QString::number(pupil.number);
    return where.isEmpty() ? pupil.name : QStringLiteral("%1（%2）").arg(pupil.name, where.join(QLatin1Char(' ')));
}

PupilMenu::PupilMenu(RecordStore *record, Dialogs *dialogs, QWidget *parent)
    : QMenu(QStringLiteral("なまえ"), parent), record_(record), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Names1"));
    AddPupil1 = new QAction(QStringLiteral("なまえを ふやす…"), this);
    AddPupil1->setObjectName(QStringLiteral("AddPupil1"));
    RenamePupil1 = new QAction(QStringLiteral("なまえを かえる…"), this);
    RenamePupil1->setObjectName(QStringLiteral("RenamePupil1"));
    RemovePupil1 = new QAction(QStringLiteral("なまえを けす…"), this);
    RemovePupil1->setObjectName(QStringLiteral("RemovePupil1"));
    connect(AddPupil1, &QAction::triggered, this, &PupilMenu::addPupil);
    connect(RenamePupil1, &QAction::triggered, this, &PupilMenu::renamePupil);
    connect(RemovePupil1, &QAction::triggered, this, &PupilMenu::removeCurrent);
    // The list is read when the menu opens; at start only the setting is read.
    connect(this, &QMenu::aboutToShow, this, &PupilMenu::rebuild);
    record_->setPupil(PupilSetting::load().id);
    addAction(AddPupil1);
    addAction(RenamePupil1);
    addAction(RemovePupil1);
}

void PupilMenu::rebuild()
{
    clear();
    if (group_)
        group_->deleteLater();  // and the pupils' actions with it
    group_ = new QActionGroup(this);
    const QString current = record_->currentPupil().id;
    for (const Pupil &p : record_->pupils()) {
        auto *a = new QAction(PupilTitle(p), group_);
        a->setCheckable(true);
        a->setChecked(p.id == current);
        a->setData(p.id);
        group_->addAction(a);
        connect(a, &QAction::triggered, this, [this, p] { choose(p); });
        addAction(a);
    }
    addSeparator();
    addAction(AddPupil1);
    addAction(RenamePupil1);
    addAction(RemovePupil1);
}

void PupilMenu::choose(const Pupil &pupil)
{
    record_->setPupil(pupil.id);
    PupilSetting{pupil.id, pupil.name}.save();
    emit pupilChanged(pupil.name.isEmpty() ? QString() : PupilTitle(pupil));
}

void PupilMenu::addPupil()
{
    Pupil p;
    if (!askPupil(parentWidget(), QStringLiteral("なまえを ふやす"), &p))
        return;
    p.id = record_->addPupil(p);
    if (!p.id.isEmpty())
        choose(p);
}

void PupilMenu::renamePupil()
{
    Pupil p = record_->currentPupil();
    if (p.id.isEmpty() || !askPupil(parentWidget(), QStringLiteral("なまえを かえる"), &p))
        return;
    if (record_->updatePupil(p))
        choose(p);
}

bool PupilMenu::removeCurrent()
{
    const Pupil p = record_->currentPupil();
    if (p.id.isEmpty())
        return false;
    const QString who = PupilTitle(p);
    if (dialogs_->confirmQuit(parentWidget(), QStringLiteral("「%1」を けしますか？\r\n"
                                                             "この人の きろくも ぜんぶ きえます。")
                                                  .arg(who)) != QuitAnswer::Yes)
        return false;
    if (dialogs_->confirmQuit(parentWidget(), QStringLiteral("ほんとうに「%1」と その きろくを けしますか？\r\n"
                                                             "もとには もどせません。")
                                                  .arg(who)) != QuitAnswer::Yes)
        return false;
    if (!record_->removePupil(p.id))
        return false;
    record_->setPupil(QString());
    choose(record_->currentPupil());
    return true;
}
