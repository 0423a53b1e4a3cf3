#pragma once

#include "report/base/persistent.h"
#include "report/base/report_types.h"

// How the report builds.
class TfrxEngineOptions : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(bool ConvertNulls READ ConvertNulls WRITE SetConvertNulls)
    Q_PROPERTY(bool DoublePass READ DoublePass WRITE SetDoublePass)
    Q_PROPERTY(int MaxMemSize READ MaxMemSize WRITE SetMaxMemSize)
    Q_PROPERTY(bool PrintIfEmpty READ PrintIfEmpty WRITE SetPrintIfEmpty)
    Q_PROPERTY(bool SilentMode READ SilentMode WRITE SetSilentMode)
    Q_PROPERTY(frx::TfrxSilentMode NewSilentMode READ NewSilentMode WRITE SetNewSilentMode)
    Q_PROPERTY(QString TempDir READ TempDir WRITE SetTempDir)
    Q_PROPERTY(bool UseFileCache READ UseFileCache WRITE SetUseFileCache)
    Q_PROPERTY(bool IgnoreDevByZero READ IgnoreDevByZero WRITE SetIgnoreDevByZero)
    Q_CLASSINFO("default:ConvertNulls", "true")
    Q_CLASSINFO("default:DoublePass", "false")
    Q_CLASSINFO("default:MaxMemSize", "10")
    Q_CLASSINFO("default:PrintIfEmpty", "true")
    Q_CLASSINFO("default:SilentMode", "false")
    Q_CLASSINFO("default:NewSilentMode", "simMessageBoxes")
    Q_CLASSINFO("default:UseFileCache", "false")
    Q_CLASSINFO("default:IgnoreDevByZero", "false")

public:
    Q_INVOKABLE explicit TfrxEngineOptions(QObject* owner = nullptr) : TfrxPersistent(owner) {}

    // A Null field value becomes the empty string, false or 0 in expressions.
    bool ConvertNulls() const { return convertNulls_; }
    void SetConvertNulls(bool value) { convertNulls_ = value; }
    bool DoublePass() const { return doublePass_; }
    void SetDoublePass(bool value) { doublePass_ = value; }
    int MaxMemSize() const { return maxMemSize_; }
    void SetMaxMemSize(int value) { maxMemSize_ = value; }
    bool PrintIfEmpty() const { return printIfEmpty_; }
    void SetPrintIfEmpty(bool value) { printIfEmpty_ = value; }
    // The old switch: true is simSilent.
    bool SilentMode() const { return newSilentMode_ == simSilent; }
    void SetSilentMode(bool value) { newSilentMode_ = value ? simSilent : simMessageBoxes; }
    TfrxSilentMode NewSilentMode() const { return newSilentMode_; }
    void SetNewSilentMode(TfrxSilentMode value) { newSilentMode_ = value; }
    QString TempDir() const { return tempDir_; }
    void SetTempDir(const QString& value) { tempDir_ = value; }
    bool UseFileCache() const { return useFileCache_; }
    void SetUseFileCache(bool value) { useFileCache_ = value; }
    bool IgnoreDevByZero() const { return ignoreDevByZero_; }
    void SetIgnoreDevByZero(bool value) { ignoreDevByZero_ = value; }

    // Not published.
    bool UseGlobalDataSetList() const { return useGlobalDataSetList_; }
    void SetUseGlobalDataSetList(bool value) { useGlobalDataSetList_ = value; }
    bool DestroyForms() const { return destroyForms_; }
    void SetDestroyForms(bool value) { destroyForms_ = value; }
    bool EnableThreadSafe() const { return enableThreadSafe_; }
    void SetEnableThreadSafe(bool value) { enableThreadSafe_ = value; }

private:
    bool convertNulls_ = true;
    bool doublePass_ = false;
    int maxMemSize_ = 10;
    bool printIfEmpty_ = true;
    TfrxSilentMode newSilentMode_ = simMessageBoxes;
    QString tempDir_;
    bool useFileCache_ = false;
    bool ignoreDevByZero_ = false;
    bool useGlobalDataSetList_ = true;
    bool destroyForms_ = true;
    bool enableThreadSafe_ = false;
};
