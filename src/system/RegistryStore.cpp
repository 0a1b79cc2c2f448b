// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace {

const QString HEADER = QStringLiteral("Windows Registry Editor Version 5.00");

QString rootName(RegistryRoot root)
{
    return root == RegistryRoot::ClassesRoot ? QStringLiteral("HKEY_CLASSES_ROOT")
                                             : QStringLiteral("HKEY_LOCAL_MACHINE");
}

std::optional<RegistryRoot> rootFromName(const QString &name)
{
    for (const RegistryRoot root : {RegistryRoot::ClassesRoot, RegistryRoot::LocalMachine}) {
        if (name.compare(rootName(root), Qt::CaseInsensitive) == 0)
            return root;
    }
    return std::nullopt;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A key path is one or more names separated by single backslashes.
bool isValidPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QStringList names = path.split(u'\\');
    return std::none_of(names.begin(), names.end(), [](const QString &n) { return n.isEmpty(); });
}

QString quoted(const QString &text)
{
    QString result = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            result += u'\\';
        result += c;
    }
    return result + u'"';
}

// Reads a quoted string at `pos`; on success `pos` is just past its closing quote.
std::optional<QString> unquoted(const QString &line, qsizetype &pos)
{
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        if (line[i] == u'\\' && i + 1 < line.size()) {
            text += line[++i];
        } else if (line[i] == u'"') {
            pos = i + 1;
            return text;
        } else {
            text += line[i];
        }
    }
    return std::nullopt;
}

} // namespace

RegistryStore::RegistryStore(QString filePath)
    : m_filePath(std::move(filePath))
{}

void RegistryStore::load()
{
    m_records.clear();
    QFile file(m_filePath);
    if (file.open(QIODevice::ReadOnly))
        setText(QString::fromUtf8(file.readAll()));
}

bool RegistryStore::save() const
{
    QFile current(m_filePath);
    if (m_records.empty()) {
        if (current.exists() && !current.remove())
            return false;
        QDir().rmdir(QFileInfo(m_filePath).absolutePath());
        return true;
    }
    const QByteArray bytes = text().toUtf8();
    if (current.open(QIODevice::ReadOnly) && current.readAll() == bytes)
        return true;
    current.close();
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    QSaveFile file(m_filePath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::optional<RegistryStore::Key> RegistryStore::createKey(RegistryRoot root, const QString &path)
{
    if (!isValidPath(path))
        return std::nullopt;
    if (const Record *record = findRecord(root, path))
        return Key{root, record->path};
    m_records.push_back(Record{root, path, {}});
    return Key{root, path};
}

std::optional<RegistryStore::Key> RegistryStore::createKey(const Key &parent, const QString &subKey)
{
    return createKey(parent.root, parent.path + u'\\' + subKey);
}

std::optional<RegistryStore::Key> RegistryStore::openKey(RegistryRoot root,
                                                         const QString &path) const
{
    if (!isValidPath(path))
        return std::nullopt;
    if (const Record *record = findRecord(root, path))
        return Key{root, record->path};
    if (hasKeysBelow(root, path))
        return Key{root, path};
    return std::nullopt;
}

std::optional<RegistryStore::Value> RegistryStore::queryValue(const Key &key,
                                                              const QString &name) const
{
    const Record *record = findRecord(key.root, key.path);
    if (!record)
        return std::nullopt;
    for (const auto &[valueName, value] : record->values) {
        if (sameName(valueName, name))
            return value;
    }
    return std::nullopt;
}

bool RegistryStore::setStringValue(const Key &key, const QString &name, const QString &data)
{
    if (!openKey(key.root, key.path))
        return false;
    Record &record = recordFor(key);
    for (auto &[valueName, value] : record.values) {
        if (sameName(valueName, name)) {
            value = Value{true, data};
            return true;
        }
    }
    record.values.emplace_back(name, Value{true, data});
    return true;
}

bool RegistryStore::deleteKey(RegistryRoot root, const QString &path)
{
    const auto it = std::find_if(m_records.begin(), m_records.end(), [&](const Record &r) {
        return r.root == root && sameName(r.path, path);
    });
    if (it == m_records.end() || hasKeysBelow(root, path))
        return false;
    m_records.erase(it);
    return true;
}

QString RegistryStore::text() const
{
    QString text = HEADER + u'\n';
    for (const Record &record : m_records) {
        text += QStringLiteral("\n[%1\\%2]\n").arg(rootName(record.root), record.path);
        for (const auto &[name, value] : record.values) {
            text += name.isEmpty() ? QStringLiteral("@") : quoted(name);
            text += u'=';
            text += value.isString ? quoted(value.data) : value.data;
            text += u'\n';
        }
    }
    return text;
}

void RegistryStore::setText(const QString &text)
{
    m_records.clear();
    Record *current = nullptr;
    for (const QString &rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = nullptr;
            const QString name = line.mid(1, line.size() - 2);
            const qsizetype separator = name.indexOf(u'\\');
            const auto root = rootFromName(name.left(separator));
            if (separator < 0 || !root)
                continue;
            if (const auto key = createKey(*root, name.mid(separator + 1)))
                current = &recordFor(*key);
            continue;
        }
        if (!current)
            continue;
        QString name;
        qsizetype pos = 0;
        if (line.startsWith(u'@')) {
            pos = 1;
        } else if (const auto quotedName = unquoted(line, pos)) {
            name = *quotedName;
        } else {
            continue;
        }
        if (pos >= line.size() || line[pos] != u'=')
            continue;
        const qsizetype dataStart = ++pos;
        Value value;
        if (const auto data = unquoted(line, pos); data && pos == line.size()) {
            value.data = *data;
        } else {
            value.isString = false;
            value.data = line.mid(dataStart);
        }
        auto existing = std::find_if(current->values.begin(), current->values.end(),
                                     [&](const auto &v) { return sameName(v.first, name); });
        if (existing != current->values.end())
            existing->second = value;
        else
            current->values.emplace_back(name, value);
    }
}

const RegistryStore::Record *RegistryStore::findRecord(RegistryRoot root, const QString &path) const
{
    const auto it = std::find_if(m_records.begin(), m_records.end(), [&](const Record &r) {
        return r.root == root && sameName(r.path, path);
    });
    return it == m_records.end() ? nullptr : &*it;
}

bool RegistryStore::hasKeysBelow(RegistryRoot root, const QString &path) const
{
    const QString prefix = path + u'\\';
    return std::any_of(m_records.begin(), m_records.end(), [&](const Record &r) {
        return r.root == root && r.path.startsWith(prefix, Qt::CaseInsensitive);
    });
}

RegistryStore::Record &RegistryStore::recordFor(const Key &key)
{
    for (Record &record : m_records) {
        if (record.root == key.root && sameName(record.path, key.path))
            return record;
    }
    m_records.push_back(Record{key.root, key.path, {}});
    return m_records.back();
}
