#pragma once

namespace zanfo {

// The eight message texts of the Codify and Decodify operations, in table order.
enum MessageId : int {
    MsgSameFiles,
    MsgCodifyOpenFailed,
    MsgCodifyPrompt,
    MsgFileCodified,
    MsgDecodifyOpenFailed,
    MsgDecodifyPrompt,
    MsgPasswordIncorrect,
    MsgFileDecoded,
    MessageCount
};

}  // namespace zanfo
