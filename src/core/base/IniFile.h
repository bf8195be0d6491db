#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An INI file kept byte for byte: values are bytes of the 8-bit code page, written as
// "key=value" lines with CR LF, and every write reaches the disk at once. Section and key names
// compare without regard to case. Values that a person types (ReadString) are trimmed; raw
// values (ReadBytes) come back exactly as written, so scrambled values survive any byte.
class TIniFile {
 public:
  explicit TIniFile(QString fileName);

  const QString& FileName() const { return fileName_; }
  bool Exists() const;

  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
  int ReadInteger(const QString& section, const QString& key, int fallback) const;
  bool ReadBool(const QString& section, const QString& key, bool fallback) const;
  QByteArray ReadBytes(const QString& section, const QString& key) const;
  bool HasKey(const QString& section, const QString& key) const;
  bool HasSection(const QString& section) const;

  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);
  void WriteBytes(const QString& section, const QString& key, const QByteArray& value);
  void DeleteKey(const QString& section, const QString& key);

 private:
  QList<QByteArray> ReadLines() const;
  void WriteLines(const QList<QByteArray>& lines);
  // Index of the section header line, or -1.
  static qsizetype FindSection(const QList<QByteArray>& lines, const QByteArray& section);
  // Index of the key's line within the section that starts at sectionLine, or -1.
  static qsizetype FindKey(const QList<QByteArray>& lines, qsizetype sectionLine,
                           const QByteArray& key);
  static qsizetype SectionEnd(const QList<QByteArray>& lines, qsizetype sectionLine);

  QString fileName_;
};
