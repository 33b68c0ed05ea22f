// The settings dialog's controls: their places, captions and fonts, the tab strip with its
// hover colours, and the captions that act on the check box or option button beside them.
#include "frmOptions.h"

#include "OptionsArtwork.h"
#include "gfx/ColourValue.h"
#include "ui/support/HelpPage.h"
#include "ui/support/VLabel.h"
#include "ui/support/libmodUnsorted_ui.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr QSize DialogSize(380, 300);
constexpr int TabTop = 10;
constexpr QSize TabSize(108, 26);
constexpr int FirstTabLeft = 18;
constexpr int TabStep = 113;
constexpr uint32_t HeadingHoverColour = 192; // red 192, green 0, blue 0
constexpr uint32_t Black = 0;
constexpr uint32_t LinkColour = RGB(0, 0, 255);

const char *const TabCaptions[] = {"Topic", "Preferences", "About"};

QFont dialogFont(bool heading)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(heading ? 9.75 : 8.25);
    font.setBold(heading);
    return font;
}

QString element(const char *arrayName, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(arrayName)).arg(index);
}

template <typename Control>
Control *placed(Control *control, const QString &name, const QRect &place)
{
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

// A control whose caption is the label beside it: a screen reader names it by that label.
// A label that sets the control when clicked says so.
void nameByLabel(QAbstractButton *control, VLabel *label)
{
    control->setAccessibleName(label->Caption());
    label->setAccessibleDescription(qobject_cast<QCheckBox *>(control) ? QStringLiteral("Click to switch on or off")
                                                                       : QStringLiteral("Click to choose"));
}

void nameByLabel(QLineEdit *box, VLabel *label)
{
    QString name = label->Caption();
    if (name.endsWith(u':'))
        name.chop(1);
    box->setAccessibleName(name);
}

} // namespace

void frmOptions::buildControls()
{
    setFont(dialogFont(false));
    setFixedSize(DialogSize);
    buildTabStrip();
    buildTopicPage();
    buildPreferencesPage();
    buildAboutPage();
    buildButtons();
    applyTabVisibility(0);
}

VLabel *frmOptions::addLabel(const QString &name, const QString &caption, const QRect &place, bool heading)
{
    auto *label = placed(new VLabel(caption, this), name, place);
    label->setFont(dialogFont(heading));
    if (place.size().isEmpty())
        label->SetAutoSize(true);
    return label;
}

void frmOptions::buildTabStrip()
{
    const QImage face = OptionsArtwork::TabBackgroundImage(TabSize);
    for (int16_t i = 0; i < 3; ++i) {
        const QRect tab(QPoint(FirstTabLeft + i * TabStep, TabTop), TabSize);
        VLabel *image = placed(new VLabel(this), element("imgTabBackground", i), tab);
        image->setPixmap(QPixmap::fromImage(face));
        m_imgTabBackground[i] = image;
        VLabel *heading = addLabel(element("lblTabText", i), QLatin1String(TabCaptions[i]), QRect(tab.topLeft(), QSize()), true);
        heading->move(tab.center() - QPoint(heading->width() / 2, heading->height() / 2));
        m_lblTabText[i] = heading;
        connect(image, &VLabel::Click, this, [this, i] { SelectTab(i); });
        connect(heading, &VLabel::Click, this, [this, i] { SelectTab(i); });
        heading->setAccessibleDescription(QStringLiteral("Tab; click to show its page"));
        image->setAccessibleName(heading->Caption());
        image->setAccessibleDescription(heading->accessibleDescription());
        connect(heading, &VLabel::MouseMove, this, [this, i] { tabHeadingMouseMove(i); });
    }
}

void frmOptions::buildTopicPage()
{
    m_lblTopicSettings = addLabel(QStringLiteral("lblTopicSettings"), QStringLiteral("Topic Settings:"), QRect(24, 48, 0, 0), true);
    m_lblTitle = addLabel(QStringLiteral("lblTitle"), QStringLiteral("Topic Title:"), QRect(40, 82, 0, 0), true);
    m_txtTitle = placed(new QLineEdit(QStringLiteral("Topic Title"), this), QStringLiteral("txtTitle"), QRect(150, 79, 200, 24));
    m_lblAttributeCount = addLabel(QStringLiteral("lblAttributeCount"), QStringLiteral("No. Of Attributes"), QRect(40, 117, 0, 0), false);
    m_txtAttributeCount = placed(new QLineEdit(this), QStringLiteral("txtAttributeCount"), QRect(150, 113, 45, 24));
    m_lblOptionCount = addLabel(QStringLiteral("lblOptionCount"), QStringLiteral("No. Of Options"), QRect(40, 151, 0, 0), false);
    m_txtOptionCount = placed(new QLineEdit(this), QStringLiteral("txtOptionCount"), QRect(150, 147, 45, 24));

    m_picWeightingType = placed(new QWidget(this), QStringLiteral("picWeightingType"), QRect(38, 184, 22, 48));
    // Each set of option buttons is a group of its own, the container's included.
    auto *weightingTypes = new QButtonGroup(this);
    const char *const captions[] = {"Positive Attributes", "Negative Attributes"};
    for (int i = 0; i < 2; ++i) {
        m_optWeightingType[i] = placed(new QRadioButton(m_picWeightingType), element("optWeightingType", i), QRect(2, 3 + i * 24, 18, 18));
        weightingTypes->addButton(m_optWeightingType[i]);
        m_lblWeightingType[i] = addLabel(element("lblWeightingType", i), QLatin1String(captions[i]), QRect(62, 186 + i * 24, 0, 0), false);
        connect(m_lblWeightingType[i], &VLabel::Click, this, [this, i] { m_optWeightingType[i]->setChecked(true); });
    }

    for (QLineEdit *box : {m_txtTitle, m_txtAttributeCount, m_txtOptionCount})
        box->installEventFilter(this);
    nameByLabel(m_txtTitle, m_lblTitle);
    nameByLabel(m_txtAttributeCount, m_lblAttributeCount);
    nameByLabel(m_txtOptionCount, m_lblOptionCount);
    for (int i = 0; i < 2; ++i)
        nameByLabel(m_optWeightingType[i], m_lblWeightingType[i]);
}

void frmOptions::buildPreferencesPage()
{
    m_lblDisplaySettings = addLabel(QStringLiteral("lblDisplaySettings"), QStringLiteral("Display Settings:"), QRect(24, 48, 0, 0), true);
    m_optRange1 = placed(new QRadioButton(this), QStringLiteral("optRange(1)"), QRect(40, 78, 18, 18));
    m_lblRange1 = addLabel(QStringLiteral("lblRange(1)"), QStringLiteral("Decimals"), QRect(62, 79, 0, 0), false);
    m_optRange100 = placed(new QRadioButton(this), QStringLiteral("optRange(100)"), QRect(40, 102, 18, 18));
    m_lblRange100 = addLabel(QStringLiteral("lblRange(100)"), QStringLiteral("Percentages"), QRect(62, 103, 0, 0), false);
    auto *ranges = new QButtonGroup(this);
    ranges->addButton(m_optRange1);
    ranges->addButton(m_optRange100);
    m_chkNormaliseWeights = placed(new QCheckBox(this), QStringLiteral("chkNormaliseWeights"), QRect(40, 130, 18, 18));
    m_lblNormaliseWeights = addLabel(QStringLiteral("lblNormaliseWeights"), QStringLiteral("Normalise Weights?"), QRect(62, 131, 0, 0), false);
    m_lblProgramSettings = addLabel(QStringLiteral("lblProgramSettings"), QStringLiteral("Program Settings:"), QRect(24, 166, 0, 0), true);
    m_chkShowSettingsOnNew = placed(new QCheckBox(this), QStringLiteral("chkShowSettingsOnNew"), QRect(40, 196, 18, 18));
    m_lblShowSettingsOnNew = addLabel(QStringLiteral("lblShowSettingsOnNew"), QStringLiteral("Show settings when starting a new topic?"), QRect(62, 197, 0, 0), false);
    // Below the design's controls, which keep their places; the caption takes two lines.
    m_chkShowStability = placed(new QCheckBox(this), QStringLiteral("chkShowStability"), QRect(40, 220, 18, 18));
    m_lblShowStability = addLabel(QStringLiteral("lblShowStability"), QStringLiteral("Show how far values may move before the best option changes"), QRect(62, 221, 300, 32), false);
    m_lblShowStability->setWordWrap(true);
    m_lblShowStability->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(m_lblRange1, &VLabel::Click, this, [this] { m_optRange1->setChecked(true); });
    connect(m_lblRange100, &VLabel::Click, this, [this] { m_optRange100->setChecked(true); });
    connect(m_lblNormaliseWeights, &VLabel::Click, this, [this] { m_chkNormaliseWeights->toggle(); });
    connect(m_lblShowSettingsOnNew, &VLabel::Click, this, [this] { m_chkShowSettingsOnNew->toggle(); });
    connect(m_lblShowStability, &VLabel::Click, this, [this] { m_chkShowStability->toggle(); });
    nameByLabel(m_optRange1, m_lblRange1);
    nameByLabel(m_optRange100, m_lblRange100);
    nameByLabel(m_chkNormaliseWeights, m_lblNormaliseWeights);
    nameByLabel(m_chkShowSettingsOnNew, m_lblShowSettingsOnNew);
    nameByLabel(m_chkShowStability, m_lblShowStability);
}

void frmOptions::buildAboutPage()
{
    m_imgLogo = placed(new VLabel(this), QStringLiteral("imgLogo"), QRect(30, 56, 64, 64));
    m_imgLogo->setPixmap(QPixmap::fromImage(OptionsArtwork::LogoImage(64)));
    m_lblVeltraneTitle = addLabel(QStringLiteral("lblVeltraneTitle"), QStringLiteral("Veltrane"), QRect(110, 58, 0, 0), true);
    m_lblCopyright1 = addLabel(QStringLiteral("lblCopyright1"), QStringLiteral("Weigh up your options, score them, and choose."), QRect(110, 86, 0, 0), false);
    m_lblCopyright2 = addLabel(QStringLiteral("lblCopyright2"), QStringLiteral("Free software, licensed GPL-3.0-or-later."), QRect(110, 104, 0, 0), false);
    m_lblWebsiteNote = addLabel(QStringLiteral("lblWebsiteNote"), QStringLiteral("For help and support, please visit"), QRect(110, 150, 0, 0), false);
    m_lblWebLink = addLabel(QStringLiteral("lblWebLink"), QStringLiteral("the Veltrane help page"), QRect(110, 168, 0, 0), false);
    QFont link = m_lblWebLink->font();
    link.setUnderline(true);
    m_lblWebLink->setFont(link);
    m_lblWebLink->SetForeColor(LinkColour);
    m_lblWebLink->setCursor(Qt::PointingHandCursor);
    m_lblWebLink->setToolTip(HelpPageUrl().toString());
    connect(m_lblWebLink, &VLabel::Click, this, [this] { ShellOpenURL(this, HelpPageUrl().toString()); });
    m_lblWebLink->setAccessibleDescription(QStringLiteral("Link; click to open the help page"));
}

void frmOptions::buildButtons()
{
    m_btnOk = placed(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("btnOk"), QRect(105, 260, 80, 27));
    m_btnCancel = placed(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("btnCancel"), QRect(195, 260, 80, 27));
    // Enter presses OK ("Begin"), or the button that has the focus.
    for (QPushButton *button : {m_btnOk, m_btnCancel})
        button->setAutoDefault(true);
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &frmOptions::btnOk_Click);
    connect(m_btnCancel, &QPushButton::clicked, this, &frmOptions::btnCancel_Click);
}

void frmOptions::applyTabVisibility(int16_t index)
{
    const QList<QWidget *> pages[] = {
        {m_lblTitle, m_txtTitle, m_lblTopicSettings, m_lblAttributeCount, m_txtAttributeCount, m_lblOptionCount,
         m_txtOptionCount, m_picWeightingType, m_lblWeightingType[0], m_lblWeightingType[1]},
        {m_lblDisplaySettings, m_lblRange1, m_optRange1, m_lblRange100, m_optRange100, m_lblNormaliseWeights,
         m_chkNormaliseWeights, m_lblProgramSettings, m_chkShowSettingsOnNew, m_lblShowSettingsOnNew,
         m_chkShowStability, m_lblShowStability},
        {m_imgLogo, m_lblVeltraneTitle, m_lblCopyright1, m_lblCopyright2, m_lblWebsiteNote, m_lblWebLink},
    };
    for (int16_t page = 0; page < 3; ++page) {
        for (QWidget *control : pages[page])
            control->setVisible(page == index);
    }
    for (int16_t i = 0; i < 3; ++i) {
        if (i == index) {
            m_imgTabBackground[i]->hide();
            m_lblTabText[i]->SetForeColor(Black);
        } else {
            m_imgTabBackground[i]->show();
        }
    }
    update();
}

void frmOptions::SelectTab(int16_t index)
{
    applyTabVisibility(index);
    QCoreApplication::processEvents();
    CopyParentBackground(m_picWeightingType, 0);
}

int16_t frmOptions::selectedTab() const
{
    for (int16_t i = 0; i < 3; ++i) {
        if (m_imgTabBackground[i]->isHidden())
            return i;
    }
    return 0;
}

// A heading lights up red while the mouse is over it, unless its tab is the selected one.
void frmOptions::tabHeadingMouseMove(int16_t index)
{
    for (int16_t i = 0; i < 3; ++i) {
        if (i != index)
            m_lblTabText[i]->SetForeColor(Black);
        else if (!m_imgTabBackground[i]->isHidden())
            m_lblTabText[i]->SetForeColor(HeadingHoverColour);
    }
}

void frmOptions::setAllHeadingsBlack()
{
    for (VLabel *heading : m_lblTabText)
        heading->SetForeColor(Black);
}
