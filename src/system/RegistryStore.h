// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

enum class RegistryRoot { ClassesRoot, LocalMachine };

// The program's registry: keys under two roots holding named values, kept in
// one file in the text form of a .reg export so that a person can read what
// the program recorded. Key and value names are matched without regard to
// letter case and keep the case they were created with. A key exists when it
// was created or when a key below it was; only created keys are written out,
// each with its values, in the order of their creation.
//
// The operations mirror those of a system registry (create or open, open,
// query, set, delete a key without subkeys) and work in memory; save() writes
// the file once at the end.
class RegistryStore
{
public:
    struct Key
    {
        RegistryRoot root;
        QString path; // subkeys separated by '\'
    };
    struct Value
    {
        bool isString = true;
        QString data; // the string, or the .reg text of a value of another type
    };

    explicit RegistryStore(QString filePath);

    // Reads the file; a missing or unreadable file is an empty registry, and
    // lines that are not understood are dropped.
    void load();
    // Writes the file when its text differs from what is there; once no key
    // is left the file goes, and its folder too when that is empty. False
    // when the file could not be written or removed.
    bool save() const;

    // Creates the key and the keys above it as needed, or opens it.
    std::optional<Key> createKey(RegistryRoot root, const QString &path);
    std::optional<Key> createKey(const Key &parent, const QString &subKey);
    [[nodiscard]] std::optional<Key> openKey(RegistryRoot root, const QString &path) const;
    // A value of the key; the empty name is the key's unnamed value.
    [[nodiscard]] std::optional<Value> queryValue(const Key &key, const QString &name) const;
    bool setStringValue(const Key &key, const QString &name, const QString &data);
    // Removes a key without subkeys; false when it does not exist or has some.
    bool deleteKey(RegistryRoot root, const QString &path);

    [[nodiscard]] bool isEmpty() const { return m_records.empty(); }
    [[nodiscard]] const QString &filePath() const { return m_filePath; }
    // The .reg text of the registry, and reading one.
    [[nodiscard]] QString text() const;
    void setText(const QString &text);

private:
    struct Record
    {
        RegistryRoot root;
        QString path;
        std::vector<std::pair<QString, Value>> values;
    };

    [[nodiscard]] const Record *findRecord(RegistryRoot root, const QString &path) const;
    [[nodiscard]] bool hasKeysBelow(RegistryRoot root, const QString &path) const;
    Record &recordFor(const Key &key);

    QString m_filePath;
    std::vector<Record> m_records;
};
