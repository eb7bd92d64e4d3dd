#include "common/ui/FileDialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QQueue>
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
