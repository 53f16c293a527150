#include "startup.h"

#include "listloading.h"
#include "mainwindow.h"
#include "random.h"
#include "tooltipfacility.h"

using namespace Qt::StringLiterals;

namer::LineSequence featuredLines;
namer::LineSequence commonLines;

void releaseListLines() {
    namer::LineSequence().swap(featuredLines);
    namer::LineSequence().swap(commonLines);
}

void onMainWindowCreated(MainWindow &window, const std::string &listFolder) {
    namer::seedRandom(namer::uptimeMs());
    attachTooltip(window.findChild<QWidget *>(u"按钮2"_s), u"关闭软件."_s);
    attachTooltip(window.findChild<QWidget *>(u"超级按钮1"_s), u"开始起名字."_s);
    namer::loadAllLists(listFolder, window.stores(), featuredLines, commonLines);
}
