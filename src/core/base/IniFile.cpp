#include "core/base/IniFile.h"

#include <QFile>
#include <QSaveFile>

#include "core/base/Errors.h"
#include "core/base/Gbk.h"

namespace {

QByteArray SectionHeader(const QByteArray& section) {
  return '[' + section + ']';
}

bool IsSectionLine(const QByteArray& line) {
  return line.trimmed().startsWith('[');
}

// The key of a "key=value" line, trimmed; empty for other lines.
QByteArray KeyOf(const QByteArray& line) {
  const qsizetype equals = line.indexOf('=');
  return equals < 0 ? QByteArray() : line.left(equals).trimmed();
}

}  // namespace

TIniFile::TIniFile(QString fileName) : fileName_(std::move(fileName)) {}

bool TIniFile::Exists() const {
  return QFile::exists(fileName_);
}

QList<QByteArray> TIniFile::ReadLines() const {
  QFile file(fileName_);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines = file.readAll().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QByteArray& line : lines)
    if (line.endsWith('\r')) line.chop(1);
  return lines;
}

void TIniFile::WriteLines(const QList<QByteArray>& lines) {
  const bool existed = Exists();
  QSaveFile file(fileName_);
  if (!file.open(QIODevice::WriteOnly))
    throw EError(QStringLiteral("无法写入配置文件 %1: %2").arg(fileName_, file.errorString()));
  // The file may hold passwords: a new one is the owner's alone, a rewritten one keeps its mode.
  if (!existed && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
    throw EError(
        QStringLiteral("无法设置配置文件 %1 的权限: %2").arg(fileName_, file.errorString()));
  for (const QByteArray& line : lines) {
    file.write(line);
    file.write("\r\n");
  }
  if (!file.commit())
    throw EError(QStringLiteral("无法写入配置文件 %1: %2").arg(fileName_, file.errorString()));
}

qsizetype TIniFile::FindSection(const QList<QByteArray>& lines, const QByteArray& section) {
  const QByteArray header = SectionHeader(section).toLower();
  for (qsizetype i = 0; i < lines.size(); ++i)
    if (lines[i].trimmed().toLower() == header) return i;
  return -1;
}

qsizetype TIniFile::SectionEnd(const QList<QByteArray>& lines, qsizetype sectionLine) {
  qsizetype end = sectionLine + 1;
  while (end < lines.size() && !IsSectionLine(lines[end])) ++end;
  return end;
}

qsizetype TIniFile::FindKey(const QList<QByteArray>& lines, qsizetype sectionLine,
                            const QByteArray& key) {
  const QByteArray wanted = key.toLower();
  const qsizetype end = SectionEnd(lines, sectionLine);
  for (qsizetype i = sectionLine + 1; i < end; ++i)
    if (KeyOf(lines[i]).toLower() == wanted) return i;
  return -1;
}

bool TIniFile::HasKey(const QString& section, const QString& key) const {
  const QList<QByteArray> lines = ReadLines();
  const qsizetype sectionLine = FindSection(lines, ToGbk(section));
  return sectionLine >= 0 && FindKey(lines, sectionLine, ToGbk(key)) >= 0;
}

bool TIniFile::HasSection(const QString& section) const {
  return FindSection(ReadLines(), ToGbk(section)) >= 0;
}

QByteArray TIniFile::ReadBytes(const QString& section, const QString& key) const {
  const QList<QByteArray> lines = ReadLines();
  const qsizetype sectionLine = FindSection(lines, ToGbk(section));
  if (sectionLine < 0) return {};
  const qsizetype keyLine = FindKey(lines, sectionLine, ToGbk(key));
  if (keyLine < 0) return {};
  const QByteArray& line = lines[keyLine];
  return line.mid(line.indexOf('=') + 1);
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& fallback) const {
  if (!HasKey(section, key)) return fallback;
  return FromGbk(ReadBytes(section, key)).trimmed();
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
  bool ok = false;
  const int value = ReadString(section, key, QString()).toInt(&ok);
  return ok ? value : fallback;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniFile::WriteBytes(const QString& section, const QString& key, const QByteArray& value) {
  QList<QByteArray> lines = ReadLines();
  const QByteArray sectionName = ToGbk(section);
  const QByteArray keyName = ToGbk(key);
  const QByteArray line = keyName + '=' + value;
  const qsizetype sectionLine = FindSection(lines, sectionName);
  if (sectionLine < 0) {
    lines << SectionHeader(sectionName) << line;
  } else {
    const qsizetype keyLine = FindKey(lines, sectionLine, keyName);
    if (keyLine >= 0) {
      lines[keyLine] = line;
    } else {
      // After the section's last non-blank line.
      qsizetype insertAt = SectionEnd(lines, sectionLine);
      while (insertAt > sectionLine + 1 && lines[insertAt - 1].trimmed().isEmpty()) --insertAt;
      lines.insert(insertAt, line);
    }
  }
  WriteLines(lines);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  WriteBytes(section, key, ToGbk(value));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteBytes(section, key, QByteArray::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteInteger(section, key, value ? 1 : 0);
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
  QList<QByteArray> lines = ReadLines();
  const qsizetype sectionLine = FindSection(lines, ToGbk(section));
  if (sectionLine < 0) return;
  const qsizetype keyLine = FindKey(lines, sectionLine, ToGbk(key));
  if (keyLine < 0) return;
  lines.removeAt(keyLine);
  WriteLines(lines);
}
