#pragma once
// Pictures of looks, drawn by the preview program and kept in the data folder under a hash of a
// look's settings: a look drawn once is never drawn again until its settings change. Every
// missing picture is drawn in one run of the program, in the background; each comes as soon as
// it is saved. Beside each picture a small copy at a card's size is kept, so a gallery opens
// without decoding the whole pictures.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>

class QProcess;

namespace stylewright {

// The name a look's settings are kept under.
QString pictureKey(const QByteArray &settings);

class LookPictures : public QObject {
    Q_OBJECT
public:
    // program: the preview program; empty or missing, nothing is drawn.
    LookPictures(QString cacheFolder, QString program, QObject *parent = nullptr);
    ~LookPictures() override;

    bool canDraw() const;
    // Where the picture of these settings is kept, drawn or not.
    QString pictureFile(const QString &key) const;
    bool isDrawn(const QString &key) const;
    // The picture at this size in pixels, made from the whole picture the first time and kept
    // beside it; null while there is no picture.
    QImage smallPicture(const QString &key, const QSize &pixels) const;
    // The size in pixels each newly drawn picture gets a small copy at before it counts as drawn.
    void setSmallSize(const QSize &pixels);
    // Removes the pictures of every other key, so looks changed or deleted leave nothing behind.
    void keepOnly(const QSet<QString> &keys);
    // Still to be drawn in this run or the next.
    bool isWaiting(const QString &key) const
    {
        return m_waiting.contains(key) || m_running.contains(key) || m_copied.contains(key);
    }

    // Draws the missing pictures of these settings; asked while a run goes on, they wait for the
    // next run. A picture that cannot be drawn is not asked for again while this object lives.
    void request(const QList<QByteArray> &settings);

    // The argument size of the pictures: the sample page at its own scale.
    static constexpr int kWidth = 1024, kHeight = 768;

signals:
    void drawn(const QString &key);
    // A run ended; whatever it did not draw stays without a picture.
    void runEnded();

private:
    void startRun();
    void readDrawn();
    void runFinished();
    void cleanUp();
    void removeSmallPictures(const QString &key);
    void copySmall(const QString &key);

    const QString m_folder;
    const QString m_program;
    QHash<QString, QByteArray> m_waiting; // key -> settings, for the next run
    QSet<QString> m_running;
    QSet<QString> m_failed;
    QProcess *m_process = nullptr;
    QByteArray m_output; // an unfinished line of the program's output
    QSize m_smallSize;
    QSet<QString> m_copied; // drawn, with the small copy still being made
    QThreadPool m_copying;
};

} // namespace stylewright
