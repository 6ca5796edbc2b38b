#include "app/help_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <vector>

namespace dittaro {
namespace {

constexpr const char* kScheme = "chm";

QUrl topicUrl(const HelpTopic& topic) {
    QUrl url;
    url.setScheme(QString::fromLatin1(kScheme));
    url.setPath(QString::fromStdString(topic.page));
    if (!topic.anchor.empty()) {
        url.setFragment(QString::fromStdString(topic.anchor));
    }
    return url;
}

// Pages, style sheets and images come out of the help file; other links leave the viewer.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const HelpFile& file, QWidget* parent) : QTextBrowser(parent), file_(file) {
        setOpenExternalLinks(true);
    }

    QVariant loadResource(int type, const QUrl& url) override {
        if (url.scheme() != QLatin1String(kScheme)) {
            return QTextBrowser::loadResource(type, url);
        }
        const std::optional<std::string> bytes =
            file_.readTopic(HelpTopic{url.path().toStdString(), {}});
        if (!bytes) {
            return {};
        }
        const QByteArray data(bytes->data(), static_cast<qsizetype>(bytes->size()));
        if (type == QTextDocument::ImageResource) {
            return QImage::fromData(data);
        }
        return data;
    }

private:
    const HelpFile& file_;
};

} // namespace

HelpWindow::HelpWindow(HelpFile file, std::filesystem::path path)
    : QWidget(nullptr, Qt::Window), file_(std::move(file)), path_(std::move(path)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(file_.title()));

    contents_ = new QTreeWidget(this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    contents_->header()->hide();
    browser_ = new HelpBrowser(file_, this);
    browser_->setObjectName(QStringLiteral("HelpTopic"));

    std::vector<QTreeWidgetItem*> parents;
    for (const ContentsEntry& entry : file_.contents()) {
        parents.resize(static_cast<std::size_t>(entry.depth));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, QString::fromStdString(entry.name));
        item->setData(0, Qt::UserRole, QString::fromStdString(entry.local));
        parents.push_back(item);
    }
    contents_->expandAll();
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString local = item->data(0, Qt::UserRole).toString();
        if (!local.isEmpty()) {
            showTopic(splitTopic(local.toStdString()));
        }
    });
    connect(contents_, &QTreeWidget::itemClicked, contents_, &QTreeWidget::itemActivated);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(900, 620);
    splitter->setSizes({240, 660});
}

void HelpWindow::showTopic(const HelpTopic& topic) {
    browser_->setSource(topicUrl(topic));
}

void HelpWindow::showContext(int context) {
    const ContextLookup lookup = file_.topicForContext(context);
    showTopic(lookup.topic ? *lookup.topic : file_.defaultTopic());
}

HelpTopic HelpWindow::currentTopic() const {
    const QUrl url = browser_->source();
    return HelpTopic{url.path().toStdString(), url.fragment().toStdString()};
}

} // namespace dittaro
