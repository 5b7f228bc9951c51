#include "aboutdialog.h"
#include "advancedoptions.h"
#include "dialogtesting.h"
#include "encoderoptions.h"
#include "filedialog.h"
#include "soundmill.h"
#include "soundmillgui.h"
#include "testservices.h"

#include <QComboBox>
#include <QLayout>
#include <QMetaProperty>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

#include <memory>

// The fixed forms as a person sees them when they open: what the designer
// files and the constructors set, the bands the style sheets paint and the
// order the Tab key goes round. One row a form; each check reads
//   name.property=text   a Qt property of the child of that name ("." the
//                        form, "name/layout" its layout) shown as text;
//                        "~=" instead of "=" when the text need only hold it
//   name@x,y=#rrggbb     the colour painted there (negative x from the right)
//   tab=a,b,c            the widgets Tab reaches from a, in order
// "; " between checks; "a,b.p=" and "a.p,q=" check each of them.
class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void form_data();
    void form();
};

namespace {

std::unique_ptr<QWidget> makeForm(const QString &name)
{
    const Services services = testServices();
    if (name == "AboutDialog")
        return std::make_unique<AboutDialog>(services);
    if (name == "AdvancedOptions")
        return std::make_unique<AdvancedOptions>(services);
    if (name == "FileDialog")
        return std::make_unique<FileDialog>(services);
    if (name == "SoundmillGui")
        return std::make_unique<SoundmillGui>(services);
    return std::make_unique<Soundmill>(services);
}

QObject *find(QWidget &form, const QString &path)
{
    if (path == ".")
        return &form;
    const QString name = path.section('/', 0, 0);
    QWidget *widget = name == "." ? &form : form.findChild<QWidget *>(name);
    if (path.endsWith("/layout"))
        return widget ? widget->layout() : nullptr;
    return widget ? widget : form.findChild<QObject *>(name);
}

QString text(const QVariant &value, const QMetaProperty &property)
{
    if (property.isFlagType())
        return QString::fromLatin1(property.enumerator().valueToKeys(value.toInt()));
    if (property.isEnumType())
        return QString::fromLatin1(property.enumerator().valueToKey(value.toInt()));
    const int type = value.typeId();
    if (type == QMetaType::Bool)
        return value.toBool() ? "true" : "false";
    if (type == QMetaType::QSize)
        return QString("%1x%2").arg(value.toSize().width()).arg(value.toSize().height());
    if (type == qMetaTypeId<QMargins>()) {
        const QMargins m = value.value<QMargins>();
        return QString("%1,%2,%3,%4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom());
    }
    if (type == QMetaType::QPixmap)
        return value.value<QPixmap>().isNull() ? "none" : "picture";
    if (type == QMetaType::QIcon)
        return value.value<QIcon>().isNull() ? "none" : "picture";
    if (type == QMetaType::QCursor)
        return QString::fromLatin1(
            QMetaEnum::fromType<Qt::CursorShape>().valueToKey(value.value<QCursor>().shape()));
    if (type == QMetaType::QFont) {
        const QFont font = value.value<QFont>();
        return QString("%1px%2").arg(font.pixelSize()).arg(font.bold() ? " bold" : "");
    }
    if (type == QMetaType::QPalette)
        return value.value<QPalette>().color(QPalette::WindowText).name();
    return value.toString();
}

// The property as text; besides Qt's own: items (a combo box's), tabs (a tab
// widget's titles), plainText (a label's rich text as read).
QString propertyText(QObject *object, const QString &name)
{
    if (name == "items") {
        auto *box = qobject_cast<QComboBox *>(object);
        QStringList items;
        for (int i = 0; box && i < box->count(); ++i)
            items << box->itemText(i);
        return items.join(',');
    }
    if (name == "tabs") {
        auto *tabs = qobject_cast<QTabWidget *>(object);
        QStringList titles;
        for (int i = 0; tabs && i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        return titles.join(',');
    }
    if (name == "plainText") {
        QTextDocument document;
        document.setHtml(object->property("text").toString());
        return document.toPlainText();
    }
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index < 0)
        return "(no property " + name + ")";
    return text(object->property(name.toLatin1().constData()), meta->property(index));
}

// Every tab-focusable widget of the form from first on, once round; the
// inner widgets Qt names "qt_…" (a spin box's line edit) do not count.
QStringList tabChain(QWidget *first)
{
    QStringList order;
    QWidget *widget = first;
    do {
        const QString name = widget->objectName();
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(first->window()) &&
            !name.isEmpty() && !name.startsWith("qt_") && !order.contains(name))
            order << name;
        widget = widget->nextInFocusChain();
    } while (widget && widget != first);
    return order;
}

// The failure in a check, or an empty text.
QString failure(QWidget &form, const QString &check)
{
    if (check.startsWith("tab=")) {
        const QStringList expected = check.mid(4).split(',');
        QWidget *first = form.findChild<QWidget *>(expected.first());
        const QStringList found = first ? tabChain(first) : QStringList();
        return found == expected ? QString() : "tab order " + found.join(',');
    }
    const qsizetype at = check.indexOf('@');
    const qsizetype equals = check.indexOf('=');
    if (at > 0 && at < equals) {
        auto *widget = qobject_cast<QWidget *>(find(form, check.left(at)));
        const QStringList point = check.mid(at + 1, equals - at - 1).split(',');
        if (!widget)
            return "no such widget";
        // Read off the whole form, so that what shows through is painted too.
        const int x = point[0].toInt();
        const QPoint where =
            widget->mapTo(&form, QPoint(x < 0 ? widget->width() + x : x, point[1].toInt()));
        const QRgb painted = form.grab().toImage().pixel(where) & 0xffffff;
        return dialogtesting::closeColour(painted, QColor(check.mid(equals + 1)).rgb())
                   ? QString()
                   : "painted " + QColor(painted).name();
    }
    const bool contains = check.at(equals - 1) == '~';
    const QString path = check.left(contains ? equals - 1 : equals);
    const qsizetype dot = path.lastIndexOf('.', path.size() - 2);
    QObject *object = find(form, dot <= 0 ? QString(".") : path.left(dot));
    if (!object)
        return "no such object";
    const QString shown = propertyText(object, path.mid(dot + 1));
    const QString expected = check.mid(equals + 1);
    const bool holds = contains ? shown.contains(expected) : shown == expected;
    return holds ? QString() : "shows " + shown;
}

// Each check of a row, one object each.
QStringList checksOf(const QString &text)
{
    QStringList checks;
    for (const QString &check : text.split("; ", Qt::SkipEmptyParts)) {
        const qsizetype equals = check.indexOf('=');
        const QString path = check.left(equals).remove('~');
        const qsizetype dot = path.lastIndexOf('.', path.size() - 2);
        if (check.startsWith("tab=") || check.indexOf('@') > 0 || dot < 0 ||
            (!path.left(dot).contains(',') && !path.mid(dot).contains(','))) {
            checks << check;
            continue;
        }
        // "a,b.p=" and ".p,q=" stand for a check each.
        for (const QString &object : path.left(dot).split(','))
            for (const QString &property : path.mid(dot + 1).split(','))
                checks << object + '.' + property +
                              check.mid(check.indexOf('=') - (check.at(equals - 1) == '~'));
    }
    return checks;
}

} // namespace

void TestForms::initTestCase()
{
    // The settings dialog shows what is stored: here, nothing.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tonewright").clear();
}

void TestForms::cleanup()
{
    QCOMPARE(dialogtesting::leftoverWindows(), QStringList());
}

void TestForms::form_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("checks"); // "; " between, "a,b.property=" for each of a and b

    // The three dialogs with the product's header band share its look.
    const QString banded =
        "wi_Top.maximumHeight=145; wi_Top/layout.contentsMargins=23,5,23,5; "
        "wi_Bottom.maximumHeight=35; wi_Bottom/layout.contentsMargins=23,0,23,0; "
        "lbl_Logo.pixmap=picture; lbl_Header.text=Tonewright; wi_Top@2,2=#0c4b76; "
        "wi_Center@3,3=#ffffff; wi_Bottom@3,3=#f0f0f0; ";
    QStringList volumes;
    for (int percent : encoderoptions::volumes())
        volumes << QString::number(percent);

    QTest::newRow("advanced options")
        << "AdvancedOptions"
        << banded +
               ".minimumSize,maximumSize=492x373; .windowIcon=picture; "
               ".windowTitle=Advanced Conversion Options; wi_Top.minimumHeight=145; "
               "wi_Top/layout.spacing=20; wi_Top@-2,2=#137372; "
               "wi_Center/layout.contentsMargins=23,9,23,9; "
               "lbl_Logo.minimumSize,maximumSize=135x135; lbl_Logo.scaledContents=true; "
               "lbl_Title.text=Advanced options; lbl_Header.palette=#ffffff; "
               "lbl_Header.font=25px bold; lbl_Title.font=23px; lbl_Format_Pre.font=18px; "
               "lbl_Title_Pre.font=12px; lbl_Format_Pre.text=Convert to:; "
               "lbl_Volume_Pre.text=Volume:; cb_Volume_Post.text=%; "
               "lbl_Title_Pre.text=Title:; lbl_Artist_Pre.text=Artist:; "
               "lbl_Album_Pre.text=Album:; lbl_Year_Pre.text=Year:; "
               "cb_Format.items=MP3,M4A,WMA,FLAC,WAV,AAC,OGG,MKA,OPUS; "
               "cb_Format.currentIndex=0; cb_Format.minimumHeight=22; "
               // The command line takes exactly the volumes offered here.
               "cb_Volume.items=" +
               volumes.join(',') +
               "; cb_Volume.currentText=100; "
               "txt_Title,txt_Artist,txt_Album.placeholderText=(not set); "
               "txt_Title,txt_Artist,txt_Album,cb_Year.text=; cb_Year.checked=false; "
               "num_Year.enabled=false; num_Year.layoutDirection=RightToLeft; "
               "num_Year.minimum=1000; num_Year.maximum=9999; num_Year.value=2012; "
               "btn_Settings.text=&Conversion settings; btn_Cancel.text=C&ancel; "
               "btn_Convert.text=&Convert; tab=cb_Format,cb_Volume,txt_Title,txt_Artist,"
               "txt_Album,cb_Year,num_Year,btn_Convert,btn_Cancel,btn_Settings";
    QTest::newRow("file dialog")
        << "FileDialog"
        << banded + ".minimumSize,maximumSize=434x334; .windowTitle=Tonewright; "
                    "wi_Top/layout.spacing=20; lbl_Title.text=Select file to convert; "
                    "verticalLayout_3.spacing=20; verticalLayout_3.contentsMargins=23,35,23,5; "
                    "frm_Browse/layout.spacing=15; "
                    "frm_Browse/layout.contentsMargins=35,20,35,20; "
                    // The rounded frame's border along its top edge.
                    "frm_Browse@200,0=#777777; txt_FileName.placeholderText=(not selected); "
                    "txt_FileName,btn_Browse.minimumHeight=25; txt_FileName.readOnly=false; "
                    "btn_Browse.text=&Browse...; btn_Convert.text=&Continue; "
                    "btn_Cancel.text=C&ancel; label.wordWrap=true; "
                    "label.plainText=You can also start a conversion by right clicking the file "
                    "you want to convert and selecting Convert to [format] in Explorer.; "
                    "label.text~=font-weight:600;\">Convert to [format]<";
    QTest::newRow("settings")
        << "SoundmillGui"
        << banded + ".minimumSize,maximumSize=509x334; .windowIcon=picture; "
                    ".windowTitle=Tonewright Settings; wi_Bottom/layout.spacing=6; "
                    "lbl_Title.text=Settings; formLayout.spacing=6; "
                    "formLayout.contentsMargins=23,9,23,9; "
                    "formLayout.fieldGrowthPolicy=AllNonFixedFieldsGrow; "
                    "formLayout.formAlignment=AlignLeading|AlignVCenter; "
                    "lbl_Bitrate_Pre.text=Bitrate:; lbl_Bitrate_Pre.font=12px; "
                    "lbl_Target_Pre.text=Target directory:; "
                    "lbl_SendStat.text=Send anonymus bug reports:; "
                    "cb_SendStat.text=&helps making Tonewright better; "
                    "lbl_SendStat,cb_SendStat.minimumHeight=24; "
                    "sli_Bitrate.orientation=Horizontal; sli_Bitrate.minimum=32; "
                    "sli_Bitrate.maximum=320; sli_Bitrate.singleStep,pageStep=32; "
                    "sli_Bitrate.value=128; sli_Bitrate.tracking=false; lbl_Kbps.text=128 kbps; "
                    "btn_Def.text=&Default; btn_TSame.text=&Same as the input; "
                    "btn_TA.text=&Ask before conversion; btn_TB.text=&Browse...; "
                    "btn_TSame,btn_TA,btn_TB.checkable=true; "
                    "btn_TSame,btn_TA,btn_TB.autoExclusive=false; "
                    "link_Settings.plainText=Conversion help; link_About.plainText=About; "
                    "link_Settings,link_About.openExternalLinks=false; pushButton_5.text=&Close; "
                    "tab=sli_Bitrate,btn_Def,btn_TSame,btn_TA,btn_TB,cb_ReplayGain,cb_SendStat,"
                    "pushButton_5";
    QTest::newRow("about")
        << "AboutDialog"
        << ".windowTitle=About Tonewright; .windowIcon=picture; .size=400x300; "
           ".maximumSize=16777215x16777215; "
           "verticalLayout,verticalLayout_2,verticalLayout_3.spacing=0; "
           "verticalLayout,verticalLayout_2,verticalLayout_3.contentsMargins=0,0,0,0; "
           "tw_Tabs.usesScrollButtons=false; tw_Tabs.tabs=Tonewright,FFMpeg,Qt; "
           "tw_Tabs.currentIndex=0; "
           "textBrowser.textInteractionFlags=LinksAccessibleByMouse|LinksAccessibleByKeyboard; "
           "textBrowser.openExternalLinks=true; "
           "textBrowser_2.textInteractionFlags=TextBrowserInteraction; "
           "textBrowser_2.openExternalLinks=false; bb_Buttons.standardButtons=Close";
    QTest::newRow("conversion window")
        << "Soundmill"
        << ".size,minimumSize,maximumSize=390x340; .windowIcon=picture; "
           ".windowTitle=Tonewright - easy music conversion; wi_Top@2,2=#0c4b76; "
           "wi_Top@-2,2=#137372; wi_Center@3,3=#ffffff; wi_Bottom@3,3=#f0f0f0; "
           "lbl_Source_Pre.font=12px; lbl_Title.font=18px; "
           // The properties' scroll area lets the band show through.
           "scroll_Properties@3,3=#ffffff; "
           "lbl_Title,lbl_Source,lbl_Target,lbl_TimeRemaining,lbl_Speed.text=; "
           "lbl_Source_Pre.text=Source:; lbl_Target_Pre.text=Target:; "
           "lbl_TimeRemaining_Pre.text=Time remaining:; lbl_Seed_Pre.text=Speed:; "
           "link_Settings.text=<a href=\"chrome://settings\">Settings</a>; "
           "link_About.text=<a href=\"chrome://about\">About</a>; "
           // Names show as text; the figures may carry markup.
           "lbl_Title,lbl_Source,lbl_Target.textFormat=PlainText; "
           "lbl_TimeRemaining,lbl_Speed.textFormat=RichText; "
           "wi_Top.minimumHeight,maximumHeight=48; wi_Bottom.minimumHeight,maximumHeight=35; "
           "lbl_Logo.minimumSize,maximumSize=30x30; lbl_Ad.minimumSize,maximumSize=300x100; "
           "lbl_Logo,lbl_Ad.cursor=PointingHandCursor; lbl_Logo,lbl_Ad.scaledContents=true; "
           "lbl_Logo,lbl_Ad.pixmap=picture; lbl_Ad.mouseTracking=true; "
           "scroll_Properties.verticalScrollBarPolicy=ScrollBarAlwaysOff; "
           "scroll_Properties.horizontalScrollBarPolicy=ScrollBarAsNeeded; "
           "scroll_Properties.widgetResizable=true; prb_Progress.textVisible=false; "
           "btn_Cancel.text=&Cancel; ./layout.spacing=0; ./layout.contentsMargins=0,0,0,0; "
           "horizontalLayout_2.contentsMargins=23,0,23,0; "
           "verticalLayout_2.contentsMargins=0,0,0,0; "
           "horizontalLayout,verticalLayout_4.contentsMargins=23,9,23,9; "
           "horizontalLayout,verticalLayout_4,horizontalLayout_3,verticalLayout_3,"
           "horizontalLayout_4.spacing=6; tab=scroll_Properties,btn_Cancel";
}

void TestForms::form()
{
    QFETCH(QString, form);
    QFETCH(QString, checks);
    const std::unique_ptr<QWidget> widget = makeForm(form);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    QStringList failed;
    for (const QString &check : checksOf(checks)) {
        const QString why = failure(*widget, check);
        if (!why.isEmpty())
            failed << check + ": " + why;
    }
    widget->hide();
    QVERIFY2(failed.isEmpty(), qPrintable(failed.join('\n')));
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
