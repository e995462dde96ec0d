#include "looks/look_pictures.h"

#include "base/atomic_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>

namespace stylewright {
namespace {

constexpr QStringView kSettingsSuffix = u".ini";
constexpr QStringView kDrawingSuffix = u".drawing.png"; // renamed to .png once the program says it is whole
constexpr QStringView kPartSuffix = u".part";           // a small picture being written

QString smallPictureName(const QString &key, const QSize &pixels)
{
    return QStringLiteral("%1-%2x%3.png").arg(key).arg(pixels.width()).arg(pixels.height());
}

// The key a kept picture, whole or small, belongs to; empty for any other file.
QString keyOfPicture(const QString &fileName)
{
    static const QRegularExpression picture(QStringLiteral("^([0-9a-f]{32})(-[0-9]+x[0-9]+)?\\.png$"));
    const QRegularExpressionMatch match = picture.match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The picture at that size, kept as `small`; null when the whole one cannot be read. Touches
// nothing but the files, so any thread may call it.
QImage makeSmallCopy(const QString &whole, const QString &small, const QSize &pixels)
{
    QImageReader reader(whole);
    reader.setScaledSize(pixels);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    // Written under another name first: a reader never sees half a picture. A copy that cannot be
    // kept is made again next time.
    const QString part = small + kPartSuffix;
    QFile::remove(small);
    if (!picture.save(part, "PNG") || !QFile::rename(part, small))
        QFile::remove(part);
    return picture;
}

} // namespace

QString pictureKey(const QByteArray &settings)
{
    return QString::fromLatin1(QCryptographicHash::hash(settings, QCryptographicHash::Sha256).toHex().left(32));
}

LookPictures::LookPictures(QString cacheFolder, QString program, QObject *parent)
    : QObject(parent), m_folder(std::move(cacheFolder)), m_program(std::move(program))
{
}

LookPictures::~LookPictures()
{
    m_copying.waitForDone();
    QDir folder(m_folder);
    for (const QString &part : folder.entryList({u'*' + kPartSuffix}, QDir::Files | QDir::Hidden))
        folder.remove(part); // a copy a crash cut short
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(2000);
        cleanUp();
    }
}

bool LookPictures::canDraw() const
{
    return !m_program.isEmpty() && QFileInfo(m_program).isExecutable();
}

QString LookPictures::pictureFile(const QString &key) const
{
    return QDir(m_folder).filePath(key + u".png");
}

bool LookPictures::isDrawn(const QString &key) const
{
    return !m_copied.contains(key) && QFileInfo(pictureFile(key)).isFile();
}

QImage LookPictures::smallPicture(const QString &key, const QSize &pixels) const
{
    const QString small = QDir(m_folder).filePath(smallPictureName(key, pixels));
    if (QImage kept(small); !kept.isNull() && kept.size() == pixels)
        return kept;
    return makeSmallCopy(pictureFile(key), small, pixels);
}

void LookPictures::setSmallSize(const QSize &pixels)
{
    m_smallSize = pixels;
}

void LookPictures::keepOnly(const QSet<QString> &keys)
{
    QDir folder(m_folder);
    for (const QString &file : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const QString key = keyOfPicture(file);
        if (!key.isEmpty() && !keys.contains(key) && !isWaiting(key))
            folder.remove(file);
    }
}

void LookPictures::removeSmallPictures(const QString &key)
{
    QDir folder(m_folder);
    for (const QString &file : folder.entryList({key + u"-*.png"}, QDir::Files))
        folder.remove(file);
}

void LookPictures::request(const QList<QByteArray> &settings)
{
    if (!canDraw())
        return;
    for (const QByteArray &bytes : settings) {
        const QString key = pictureKey(bytes);
        if (!isWaiting(key) && !m_failed.contains(key) && !isDrawn(key))
            m_waiting.insert(key, bytes);
    }
    if (!m_process && !m_waiting.isEmpty())
        startRun();
}

void LookPictures::startRun()
{
    if (!QDir().mkpath(m_folder)) {
        qWarning("look pictures: cannot make %s", qPrintable(m_folder));
        m_failed.unite(QSet<QString>(m_waiting.keyBegin(), m_waiting.keyEnd()));
        m_waiting.clear();
        emit runEnded();
        return;
    }
    QStringList arguments;
    const QDir folder(m_folder);
    for (auto it = m_waiting.cbegin(); it != m_waiting.cend(); ++it) {
        const QString settings = folder.filePath(it.key() + kSettingsSuffix);
        if (const Result<void> written = replaceFileAtomically(settings, it.value()); !written) {
            logFailure(written.failure());
            m_failed.insert(it.key());
            continue;
        }
        arguments << QStringLiteral("--settings") << settings << QStringLiteral("--png")
                  << folder.filePath(it.key() + kDrawingSuffix);
        m_running.insert(it.key());
    }
    m_waiting.clear();
    if (m_running.isEmpty()) {
        emit runEnded();
        return;
    }
    arguments << QStringLiteral("--size") << QStringLiteral("%1x%2").arg(kWidth).arg(kHeight);
    m_process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")); // never a window on screen
    m_process->setProcessEnvironment(environment);
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &LookPictures::readDrawn);
    connect(m_process, &QProcess::finished, this, &LookPictures::runFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            runFinished();
    });
    m_process->start(m_program, arguments);
}

void LookPictures::readDrawn()
{
    m_output += m_process->readAllStandardOutput();
    for (qsizetype end; (end = m_output.indexOf('\n')) >= 0; m_output.remove(0, end + 1)) {
        const QString drawing = QString::fromUtf8(m_output.left(end)).trimmed();
        const QString name = QFileInfo(drawing).fileName();
        if (!name.endsWith(kDrawingSuffix))
            continue;
        const QString key = name.chopped(kDrawingSuffix.size());
        if (!m_running.remove(key))
            continue;
        QFile::remove(pictureFile(key));
        removeSmallPictures(key);
        if (QFile::rename(drawing, pictureFile(key)))
            copySmall(key);
        else
            m_failed.insert(key);
    }
}

// The small copy is made on a worker thread, so that decoding the whole picture holds up no
// event; the picture counts as drawn once its copy is there.
void LookPictures::copySmall(const QString &key)
{
    if (m_smallSize.isEmpty()) {
        emit drawn(key);
        return;
    }
    m_copied.insert(key);
    const QString whole = pictureFile(key);
    const QString small = QDir(m_folder).filePath(smallPictureName(key, m_smallSize));
    m_copying.start([this, key, whole, small, pixels = m_smallSize] {
        makeSmallCopy(whole, small, pixels);
        // Queued to this object's thread; the destructor waits for the copies, so this is alive.
        QMetaObject::invokeMethod(
            this,
            [this, key] {
                m_copied.remove(key);
                emit drawn(key);
            },
            Qt::QueuedConnection);
    });
}

void LookPictures::runFinished()
{
    if (!m_process)
        return;
    readDrawn();
    m_process->deleteLater();
    m_process = nullptr;
    m_failed.unite(m_running);
    cleanUp();
    m_running.clear();
    m_output.clear();
    emit runEnded();
    if (!m_waiting.isEmpty())
        startRun();
}

// The settings handed to the program and any picture it left unfinished. (Small copies being
// written are left to the copier, and to the destructor.)
void LookPictures::cleanUp()
{
    QDir folder(m_folder);
    for (const QString &file :
         folder.entryList({u'*' + kSettingsSuffix, u'*' + kDrawingSuffix}, QDir::Files | QDir::Hidden))
        folder.remove(file);
}

} // namespace stylewright
