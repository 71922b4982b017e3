#pragma once
#include <QString>
#include <QVariant>

class KVShellWrapper;

// Per run: processStarted first, then each stream's chunks in read order, then
// exactly one processFinishedWithTerminationStatus (unless the launch threw).
class KVShellWrapperDelegate {
public:
    virtual ~KVShellWrapperDelegate() = default;
    // The chunk is a QString, or a QByteArray when the runner delivers raw output.
    virtual void processAppendOutput(KVShellWrapper* wrapper, const QVariant& chunk) = 0;
    virtual void processAppendError(KVShellWrapper* wrapper, const QString& chunk) = 0;
    virtual void processStarted(KVShellWrapper* wrapper) = 0;
    virtual void processFinishedWithTerminationStatus(KVShellWrapper* wrapper, int status) = 0;
};
