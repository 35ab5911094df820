#include "messages/link_opener_ui.h"

#include "messages/links.h"

#include <QDesktopServices>

namespace links {

namespace {

class SystemOpener final : public Opener {
public:
    void open(const QString& address) override
    {
        QDesktopServices::openUrl(toUrl(address));  // the result does not matter
    }
};

Opener*& current()
{
    static Opener* opener = nullptr;
    return opener;
}

}  // namespace

void setOpener(Opener* opener)
{
    current() = opener;
}

void open(const QString& address)
{
    static SystemOpener systemOpener;
    (current() ? current() : &systemOpener)->open(address);
}

}  // namespace links
