#include "widgets/large_type.h"

#include "widgets/fonts.h"

#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QToolTip>

namespace largeType {

namespace {

// The application's style with touch sizes: scroll bars, check marks and every kind of
// tapped control grown to the smallest tap; the buttons of a question as large as the
// program's own slot buttons.
class TouchStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ScrollBarExtent:
        case PM_ToolBarExtensionExtent:
            return std::max(base, fonts::px(kSmallestTap));
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return std::max(base, fonts::px(kCheckMark));
        default:
            return base;
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        const QSize base = QProxyStyle::sizeFromContents(type, option, contents, widget);
        const int tap = fonts::px(kSmallestTap);
        switch (type) {
        case CT_PushButton:
            if (widget && qobject_cast<const QMessageBox*>(widget->window()))
                return base.expandedTo(QSize(fonts::px(150), fonts::px(52)));
            return base.expandedTo(QSize(tap, tap));
        case CT_ToolButton:
        case CT_ComboBox:
        case CT_SpinBox:
        case CT_LineEdit:
        case CT_CheckBox:
        case CT_RadioButton:
        case CT_TabBarTab:
        case CT_MenuBarItem:
            return base.expandedTo(QSize(tap, tap));
        case CT_MenuItem: {
            // Separators, and the entries that stand for them, are never tapped.
            const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            if (item && (item->menuItemType == QStyleOptionMenuItem::Separator
                         || !(item->state & State_Enabled)))
                return base;
            return base.expandedTo(QSize(tap, tap));
        }
        case CT_HeaderSection:
        case CT_ItemViewItem:
            return base.expandedTo(QSize(0, tap));
        default:
            return base;
        }
    }
};

}  // namespace

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QApplication::setStyle(new TouchStyle);
    // Every text without a font of its own; the toolkit's dialogs are built from these.
    QApplication::setFont(fonts::font(fonts::kSong, kSmallestPoints));
    QApplication::setFont(fonts::font(fonts::kSong, kMenuPoints), "QMenu");
    QApplication::setFont(fonts::font(fonts::kSong, kMenuPoints), "QMenuBar");
    QApplication::setFont(fonts::font(fonts::kSong, kQuestionPoints), "QMessageBox");
    QToolTip::setFont(fonts::font(fonts::kSong, kSmallestPoints));
}

}  // namespace largeType
