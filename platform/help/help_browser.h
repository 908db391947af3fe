#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <memory>
#include <string>

#include "platform/help/chm_file.h"

namespace quenmoor::help {

// A text browser that reads its pages, images and style sheets out of a ChmFile. Pages
// are addressed as "chm:/<entry>", so the relative links inside the file resolve against
// the page that holds them.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit ChmBrowser(QWidget* parent = nullptr);

    // Replaces the file the pages come from. A different file clears the history, whose
    // addresses would otherwise name pages of the previous one.
    void setFile(std::shared_ptr<const ChmFile> file);
    const ChmFile* file() const { return file_.get(); }

    static QUrl urlOf(const std::string& entry, const std::string& fragment = {});

    QVariant loadResource(int type, const QUrl& name) override;

    // Every change of page passes here, by link, by history or by the viewer, so that the
    // page's relative resource names resolve against it. Qt 5 and Qt 6 route it through
    // different virtual functions.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
#else
    void setSource(const QUrl& name) override;
#endif

private:
    void followLink(const QUrl& url);
    QString missingPage(const QString& entry) const;

    std::shared_ptr<const ChmFile> file_;
    QUrl page_;
};

}  // namespace quenmoor::help
