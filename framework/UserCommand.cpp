#include "framework/UserCommand.h"

#include "framework/Prompts.h"
#include "framework/UserMessage.h"
#include "util/Error.h"

#include <new>

namespace framework {
namespace {

const QString kInterno = QStringLiteral("La operación no ha podido terminar por un error interno.");

} // namespace

bool runCommand(Prompts& prompts, const std::function<void()>& command,
                const RecordName& record) {
    try {
        command();
        return true;
    } catch (const tributra::Error& e) {
        prompts.error(userMessage(e, record));
    } catch (const std::bad_alloc&) {
        prompts.error(QStringLiteral("No queda memoria para terminar la operación. Cierre alguna "
                                     "ventana o programa y vuelva a intentarlo."));
    } catch (const std::exception& e) {
        prompts.error(tributra::Error(kInterno, QString::fromLocal8Bit(e.what())).message());
    } catch (...) {
        prompts.error(kInterno);
    }
    return false;
}

} // namespace framework
