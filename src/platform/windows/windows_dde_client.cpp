#include "platform/windows/windows_dde_client.hpp"

namespace tw {

namespace {

// A client gets no transactions it has to answer.
HDDEDATA CALLBACK no_transactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

// A string handle of the library, freed on every way out.
class dde_string {
public:
    dde_string(DWORD instance, const std::string& text)
        : instance_(instance),
          handle_(::DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI)) {}
    ~dde_string() {
        if (handle_) ::DdeFreeStringHandle(instance_, handle_);
    }
    dde_string(const dde_string&) = delete;
    dde_string& operator=(const dde_string&) = delete;

    HSZ handle() const { return handle_; }

private:
    DWORD instance_;
    HSZ handle_;
};

}  // namespace

windows_dde_client::windows_dde_client() {
    if (::DdeInitializeA(&instance_, no_transactions, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        instance_ = 0;
}

windows_dde_client::~windows_dde_client() {
    end_conversation();
    if (instance_) ::DdeUninitialize(instance_);
}

void windows_dde_client::end_conversation() {
    if (conversation_) ::DdeDisconnect(conversation_);
    conversation_ = nullptr;
}

bool windows_dde_client::set_link_mode(int mode) {
    end_conversation();
    if (mode != manual_link) return true;
    const std::size_t bar = topic_.find('|');
    if (!instance_ || bar == std::string::npos) return false;
    const dde_string service(instance_, topic_.substr(0, bar));
    const dde_string topic(instance_, topic_.substr(bar + 1));
    conversation_ = ::DdeConnect(instance_, service.handle(), topic.handle(), nullptr);
    return conversation_ != nullptr;
}

bool windows_dde_client::request() {
    if (!conversation_) return false;
    const dde_string item(instance_, item_);
    const HDDEDATA answer = ::DdeClientTransaction(nullptr, 0, conversation_, item.handle(),
                                                   CF_TEXT, XTYP_REQUEST, answer_ms, nullptr);
    if (!answer) return false;
    ::DdeFreeDataHandle(answer);
    return true;
}

}  // namespace tw
