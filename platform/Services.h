#pragma once
// What the program asks of Windows' services and Group Policy: a service
// set to start with Windows and started now, and the computer's policy
// applied now rather than at the next start.
#include <string>
#include <vector>

namespace platform {

enum class ServiceStart { Running, NotAutomatic, NotStarted };

class Services {
  public:
    virtual ~Services() = default;
    virtual ServiceStart StartAutomatically(const std::string& service) = 0;
    // False when Windows could not be asked.
    virtual bool RefreshComputerPolicy() = 0;
};

// Fixed answers, for tests, recording what was asked.
class FixedServices : public Services {
  public:
    ServiceStart StartAutomatically(const std::string& service) override {
        started.push_back(service);
        return answer;
    }
    bool RefreshComputerPolicy() override {
        ++refreshes;
        return refreshed;
    }

    ServiceStart answer = ServiceStart::Running;
    bool refreshed = true;
    std::vector<std::string> started;
    int refreshes = 0;
};

}  // namespace platform
