#pragma once
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class Connection;
class TF_DataModule;

// A fresh account set for one benchmark program, in a temporary program folder:
// built by the schema builder and filled by `fill` on a connection of its own, then
// the data module connected with the administrator logged in and the settings loaded.
class BenchAccountSet {
public:
    explicit BenchAccountSet(const std::function<void(Connection&)>& fill = {});
    ~BenchAccountSet();
    TF_DataModule& Module() { return *dm_; }
    // Makes this set the one in force again, where one program holds several.
    void Use();
    // A file of the program folder.
    QString Path(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<TF_DataModule> dm_;
};
