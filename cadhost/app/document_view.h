#pragma once

#include <QWidget>

#include "cadhost/model/document_geometry.h"

class QLabel;
class QTreeWidget;
class QTableWidget;

namespace quenmoor::cadhost {

class Document;
class ModelPicture;

// The active document as an engineer reads it: a picture of the model (the shaded part or
// assembly, or the drawing's sheet), the feature tree with its dimension names and values,
// the custom properties, the material density, a swatch of the appearance values, and the
// components of an assembly with the selection.
class DocumentView : public QWidget {
    Q_OBJECT

public:
    explicit DocumentView(QWidget* parent = nullptr);

    // Where assemblies and drawings find the documents they refer to.
    void setSource(DocumentSource source) { source_ = std::move(source); }

    void show(const Document* document);

signals:
    // The user picked a component in the tree (empty for none).
    void componentSelected(const QString& name);

private:
    void showModel(const Document& document);

    DocumentSource source_;
    QLabel* heading_;
    ModelPicture* picture_;
    QTreeWidget* tree_;
    QTableWidget* properties_;
    QLabel* density_;
    QLabel* swatch_;
    QLabel* values_;
};

}  // namespace quenmoor::cadhost
