#include "common/ui/FileDialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QQueue>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeView>
#include <QWidget>

namespace FileDialogs
{

namespace
{

struct Seam {
    QQueue<QString> next;
    Answerer answerer;
    Request last;
};

Seam &seam()
{
    static Seam s;
    return s;
}

// The patterns of one entry of a filter: the text between its last
// parentheses, split at blanks and at ";" ("Immagine JPEG (*.jpg; *.jpeg)"
// gives "*.jpg" and "*.jpeg").
QStringList namePatterns(const QString &entry)
{
    static const QRegularExpression inner(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    const QRegularExpressionMatch match = inner.match(entry);
    return match.hasMatch() ? match.captured(1).split(separators, Qt::SkipEmptyParts) : QStringList();
}

// The chooser shows each entry of its filter as written and lists the files
// that match the entry's patterns in any letter case.
void matchPatternsAsWritten(QFileDialog &dialog)
{
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    auto *model = dialog.findChild<QFileSystemModel *>();
    if (!model)
        return;
    auto apply = [model](const QString &entry) {
        const QStringList patterns = namePatterns(entry);
        if (!patterns.isEmpty())
            model->setNameFilters(patterns);
    };
    // Always after the chooser's own handling of the entry chosen (and of the
    // first one, once it is shown).
    QObject::connect(&dialog, &QFileDialog::filterSelected, model, apply, Qt::QueuedConnection);
    if (auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
        QObject::connect(types, &QComboBox::currentTextChanged, model, apply, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        model, [&dialog, apply] { apply(dialog.selectedNameFilter()); }, Qt::QueuedConnection);
}

QString ask(const Request &request)
{
    Seam &s = seam();
    s.last = request;
    if (!s.next.isEmpty())
        return s.next.dequeue();
    if (s.answerer)
        return s.answerer(request);

    QFileDialog dialog(request.parent, request.title, request.directory, request.filter);
    // Qt's own chooser: the same look, size and language on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    matchPatternsAsWritten(dialog);
    if (request.kind == Kind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    dialog.resize(chooserSize(request.parent));
    // Columns wide enough to read names, sizes, kinds and dates whole.
    if (auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        const int widths[] = { 420, 110, 150, 170 };
        for (int column = 0; column < 4; ++column)
            list->header()->resizeSection(column, widths[column]);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

} // namespace

QString openFile(QWidget *parent, const QString &title, const QString &filter, const QString &directory)
{
    return ask({ Kind::Open, parent, title, filter, directory });
}

QString saveFile(QWidget *parent, const QString &title, const QString &filter, const QString &directory)
{
    return ask({ Kind::Save, parent, title, filter, directory });
}

QSize chooserSize(const QWidget *parent)
{
    QSize size(1000, 640);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QSize room = screen->availableGeometry().size() * 0.9;
        size = size.boundedTo(room);
    }
    return size;
}

void setNextAnswer(const QString &path)
{
    seam().next.enqueue(path);
}

void setAnswerer(Answerer answerer)
{
    seam().answerer = std::move(answerer);
}

void clearAnswers()
{
    seam().next.clear();
    seam().answerer = nullptr;
}

Request lastRequest()
{
    return seam().last;
}

} // namespace FileDialogs
