#pragma once

// Starting the encoders. The program starts them detached and does not wait (an encoder
// may still run when the program ends); dittaro-cli waits and reports a failure.

#include "engine/audio_export.h"

namespace dittaro {

class DetachedEncoderLauncher : public EncoderLauncher {
public:
    bool start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               std::string& reason) override;
};

class WaitingEncoderLauncher : public EncoderLauncher {
public:
    // False, with the encoder's last error line, unless it exits with status 0.
    bool start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               std::string& reason) override;
};

} // namespace dittaro
