// The panel's side of the pipe protocol: what it does with each message of the settings
// application.
#include <unistd.h>

#include "panel/keychain_service.h"
#include "panel/settings_panel.h"

namespace pd {

void com_talvo_dpxw_zeb0583_662_settings_panel::handlePipeOperation(
    std::int32_t type, const std::vector<unsigned char>* body) {
    const auto reply = [this, type](std::span<const unsigned char> bytes) {
        if (pipeCommunication) pipeCommunication->writeToPipe(type, bytes);
    };
    switch (static_cast<PipeOp>(type)) {
        case PipeOp::coreData:
            if (body != nullptr) setCoreData(*body);
            break;
        case PipeOp::getPassword:
        case PipeOp::setPassword: {
            if (body == nullptr) break;
            std::shared_ptr<Keychain> keychain = pdePluginCallbackObject->keychain();
            if (!keychain) keychain = std::make_shared<NoKeychain>();
            const KeychainRequest answer = type == static_cast<std::int32_t>(PipeOp::getPassword)
                                               ? getKeychainPassword(*keychain, *body)
                                               : setKeychainPassword(*keychain, *body);
            reply(answer.bytes());
            break;
        }
        case PipeOp::isActive: {
            const unsigned char active = isAppActive() ? 1 : 0;
            reply({&active, 1});
            break;
        }
        case PipeOp::pdeWindowLevel:
            reply(windowLevelBytes(getPdeWindowLevel()));
            break;
        case PipeOp::uiProcessId:
            if (body != nullptr && body->size() == 4) {
                std::uint32_t value = 0;
                for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{(*body)[i]} << (8 * i);
                processIdOfUi = static_cast<std::int32_t>(value);
            }
            break;
        default:
            break;
    }
}

bool com_talvo_dpxw_zeb0583_662_settings_panel::isAppActive() const {
    const std::shared_ptr<Application> application = pdePluginCallbackObject->application();
    if (!application) return false;
    const std::optional<pid_t> active = application->activeApplicationProcessId();
    return active && (*active == getpid() || *active == processIdOfUi);
}

}  // namespace pd
