// Form1's help buttons and the help and link entries of "功能及说明".
#include "app/main_window.h"
#include "messages/help_texts.h"
#include "messages/link_opener_ui.h"
#include "messages/links.h"
#include "messages/message_window.h"
#include "messages/version.h"

namespace {

void openFeedback(links::Feedback kind)
{
    // The version is read at the moment of the click.
    links::open(links::feedbackAddress(links::feedbackText(kind, version::text())));
}

}  // namespace

void Form1::Command6_Click()
{
    links::open(links::drawHistoryAddress());
}

void Form1::Command7_Click()
{
    messageWindow().showCurrent();
}

void Form1::Command8_Click()
{
    LoadLow();  // re-read each time: an edited low.txt shows at the next click
    showMessage(Low3);
}

void Form1::guan23424_Click() { Command6_Click(); }
void Form1::h2p09w34_Click() { Command8_Click(); }

void Form1::h2w3434w_Click()
{
    showMessage(help::prizeExplanationText());
}

void Form1::d34fd_Click() { openFeedback(links::Feedback::PrizeWon); }
void Form1::jianyiw3432_Click() { openFeedback(links::Feedback::Suggestion); }
void Form1::ding234_Click() { openFeedback(links::Feedback::CustomOrder); }

void Form1::home9879_Click()
{
    links::open(links::makerSiteAddress());
}

void Form1::r343_Click() { Command7_Click(); }

void Form1::forme3435_Click()
{
    showMessage(help::aboutText(version::text()));
}

void Form1::newver345_Click()
{
    setWindowTitle(version::plainCaption());
    links::open(links::versionPageAddress(version::text()));
}
