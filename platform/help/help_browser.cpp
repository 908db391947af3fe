#include "platform/help/help_browser.h"

#include <QDesktopServices>

namespace quenmoor::help {

namespace {

const QString kScheme = QStringLiteral("chm");

}  // namespace

ChmBrowser::ChmBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpBrowser"));
    // Links are followed here rather than by QTextBrowser, which would hand every
    // non-file address to the desktop, including the file's own pages.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDocumentMargin(10);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::followLink);
}

void ChmBrowser::setFile(std::shared_ptr<const ChmFile> file) {
    const bool sameFile = file_ && file && file_->path() == file->path();
    file_ = std::move(file);
    if (!sameFile) {
        clearHistory();
    }
}

QUrl ChmBrowser::urlOf(const std::string& entry, const std::string& fragment) {
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(QString::fromStdString(entry));
    if (!fragment.empty()) {
        url.setFragment(QString::fromStdString(fragment));
    }
    return url;
}

// The page's own resources are requested while its HTML is parsed, before QTextBrowser
// records the new source, so relative names resolve against page_.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void ChmBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    page_ = name.adjusted(QUrl::RemoveFragment);
    QTextBrowser::doSetSource(name, type);
}
#else
void ChmBrowser::setSource(const QUrl& name) {
    page_ = name.adjusted(QUrl::RemoveFragment);
    QTextBrowser::setSource(name);
}
#endif

QVariant ChmBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? page_.resolved(name) : name;
    if (url.scheme() != kScheme || !file_) {
        return {};
    }
    const QString entry = url.path(QUrl::FullyDecoded);
    const std::string stored = file_->find(entry.toStdString());
    if (stored.empty()) {
        return type == QTextDocument::HtmlResource ? QVariant(missingPage(entry)) : QVariant();
    }
    try {
        const std::string bytes = file_->read(stored);
        const QByteArray content = QByteArray::fromStdString(bytes);
        if (type == QTextDocument::StyleSheetResource) {
            return QString::fromUtf8(content);
        }
        return content;
    } catch (const std::exception&) {
        return type == QTextDocument::HtmlResource ? QVariant(missingPage(entry)) : QVariant();
    }
}

void ChmBrowser::followLink(const QUrl& url) {
    if (url.scheme() == kScheme) {
        setSource(url);
    } else if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
               url.scheme() == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
    }
}

QString ChmBrowser::missingPage(const QString& entry) const {
    const QString file = file_ ? QString::fromStdString(file_->path()) : QString();
    return QStringLiteral(
               "<html><head><title>Page not found</title></head><body>"
               "<h1>Page not found</h1><p>The help file %1 has no page %2.</p>"
               "</body></html>")
        .arg(file.toHtmlEscaped(), entry.toHtmlEscaped());
}

}  // namespace quenmoor::help
