#pragma once

#include <QWidget>

class QLabel;
class QTreeWidget;
class QTableWidget;

namespace quenmoor::cadhost {

class Document;

// The active document as an engineer reads it: the feature tree with its dimension names
// and values, the custom properties, the material density, a swatch of the appearance
// values, and the components of an assembly with the selection.
class DocumentView : public QWidget {
    Q_OBJECT

public:
    explicit DocumentView(QWidget* parent = nullptr);

    void show(const Document* document);

signals:
    // The user picked a component in the tree (empty for none).
    void componentSelected(const QString& name);

private:
    QLabel* heading_;
    QTreeWidget* tree_;
    QTableWidget* properties_;
    QLabel* density_;
    QLabel* swatch_;
    QLabel* values_;
};

}  // namespace quenmoor::cadhost
