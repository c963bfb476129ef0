#include "ui/main/pupilspanel.h"

#include "pupils/pupilnames.h"
#include "ui/chrome/picturebutton.h"
#include "ui/main/panelwidgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

// The keyboard's focus frame in the skin's dark frame colour, as on the other panels.
const QString kFocusFrame = QStringLiteral(":focus { border: 2px solid #2f6fae; }");

} // namespace

PupilsPanel::PupilsPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Body_Pupils"));
    PanelWidgets::paintWhite(this);
    QLabel *heading = PanelWidgets::makeLabel(this, QStringLiteral("PupilsHeading"),
                                              QStringLiteral("Pupils"), QRect(20, 12, 200, 24));
    heading->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #1d4f7c;"));
    PanelWidgets::makeWrappedText(this, QStringLiteral("PupilsNote"),
                                  QStringLiteral("Each pupil keeps their own results. Choose a "
                                                 "pupil in the list to rename, remove or switch "
                                                 "to; type a name to add a pupil."),
                                  QRect(20, 38, 360, 48));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PupilList"));
    m_list->setAccessibleName(QStringLiteral("Pupils"));
    m_list->setGeometry(20, 92, 200, 190);
    m_list->setStyleSheet(QStringLiteral("QListWidget { font-size: 11pt; } QListWidget")
                          + kFocusFrame);
    QLabel *nameLabel = PanelWidgets::makeLabel(this, QStringLiteral("PupilNamelbl"),
                                                QStringLiteral("Name:"), QRect(236, 92, 140, 18));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("PupilName"));
    m_name->setAccessibleName(QStringLiteral("Name"));
    m_name->setToolTip(QStringLiteral("Name"));
    m_name->setGeometry(236, 112, 144, 24);
    m_name->setStyleSheet(QStringLiteral("QLineEdit") + kFocusFrame);
    nameLabel->setBuddy(m_name);
    m_current = PanelWidgets::makeLabel(this, QStringLiteral("PupilCurrent"), QString(),
                                        QRect(20, 288, 360, 20));
    m_message = PanelWidgets::makeWrappedText(this, QStringLiteral("PupilMessage"), QString(),
                                              QRect(20, 312, 360, 64),
                                              QStringLiteral("color: #9c1c1c;"));
    PictureButton *add = makeButton(QStringLiteral("ButPupilAdd"), QStringLiteral("Add"), 146);
    PictureButton *rename =
        makeButton(QStringLiteral("ButPupilRename"), QStringLiteral("Rename"), 180);
    PictureButton *remove =
        makeButton(QStringLiteral("ButPupilRemove"), QStringLiteral("Remove"), 214);
    PictureButton *choose =
        makeButton(QStringLiteral("ButPupilSwitch"), QStringLiteral("Switch to"), 248);
    connect(add, &PictureButton::clicked, this, [this] { emit addRequested(m_name->text()); });
    connect(m_name, &QLineEdit::returnPressed, add, &PictureButton::click);
    connect(rename, &PictureButton::clicked, this, [this] {
        if (selectedPupil() == 0)
            showMessage(QStringLiteral("Choose the pupil to rename in the list."));
        else
            emit renameRequested(selectedPupil(), m_name->text());
    });
    connect(remove, &PictureButton::clicked, this, [this] {
        if (selectedPupil() == 0)
            showMessage(QStringLiteral("Choose the pupil to remove in the list."));
        else
            emit removeRequested(selectedPupil());
    });
    connect(choose, &PictureButton::clicked, this, [this] {
        if (selectedPupil() == 0)
            showMessage(QStringLiteral("Choose the pupil to switch to in the list."));
        else
            emit switchRequested(selectedPupil());
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        // Reached by the keys the row may be current without being marked: mark it.
        m_list->item(row)->setSelected(true);
        m_name->setText(m_list->item(row)->text());
    });
}

void PupilsPanel::clearChoice()
{
    // Through the view, so that reaching the list by Tab does not choose its first pupil.
    m_list->setCurrentIndex(QModelIndex());
    m_list->clearSelection();
}

bool PupilsPanel::backOut()
{
    if (selectedPupil() == 0 && m_name->text().isEmpty() && m_message->text().isEmpty())
        return false;
    clearChoice();
    m_name->clear();
    showMessage(QString());
    return true;
}

void PupilsPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && backOut()) {
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

PictureButton *PupilsPanel::makeButton(const QString &name, const QString &caption, int top)
{
    auto *button = new PictureButton(name, this);
    button->setPicture(QStringLiteral("button_off.bmp"));
    button->move(236 + (144 - button->width()) / 2, top);
    QLabel *label = button->addCaption(name + QStringLiteral("lbl"), caption);
    label->setAlignment(Qt::AlignCenter);
    m_buttons.append(button);
    return button;
}

int PupilsPanel::selectedPupil() const
{
    return m_list->currentRow() + 1;
}

void PupilsPanel::setPupils(const QStringList &names, int current)
{
    m_list->clear();
    m_list->addItems(names);
    clearChoice();
    m_name->clear();
    const QString now = names.value(current - 1);
    m_current->setText(QStringLiteral("Practising now: ") + now);
    m_current->setAccessibleName(m_current->text());
}

void PupilsPanel::showMessage(const QString &text)
{
    m_message->setText(text);
    m_message->setAccessibleName(text);
}

QList<PictureButton *> PupilsPanel::buttons() const
{
    return m_buttons;
}
