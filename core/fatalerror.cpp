#include "fatalerror.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "textcodec.h"

namespace namer {

namespace {

FatalErrorHandler installedHandler = nullptr;

const GbkText &lineBreak() {
    static const GbkText crlf("\r\n");
    return crlf;
}

}  // namespace

FatalErrorHandler setFatalErrorHandler(FatalErrorHandler handler) {
    FatalErrorHandler previous = installedHandler;
    installedHandler = handler;
    return previous;
}

void fatalError(int32_t code, const GbkText &message) {
    if (installedHandler != nullptr) {
        installedHandler(code, message);
        return;
    }
    const std::string text = utf8FromGbk(fatalErrorText(code, message));
    std::fputs(text.c_str(), stderr);
    std::_Exit(-1);
}

GbkText fatalErrorText(int32_t code, const GbkText &message) {
    GbkText text = joinText(gbkFromUtf8("运行时出错!"), lineBreak(), lineBreak());
    if (code != 0) {
        text = joinText(text, gbkFromUtf8("错误代码："), intToText(code));
        text = joinText(text, lineBreak(), lineBreak());
    }
    if (!message.empty()) {
        text = joinText(text, gbkFromUtf8("错误信息："), message);
        text = joinText(text, lineBreak());
    }
    return text;
}

void reportTypeMismatch() {
    fatalError(5, gbkFromUtf8("数据或数组类型不匹配"));
}

void reportOutOfMemory(int64_t bytes) {
    const std::string message = "分配 " + std::to_string(bytes) + " 字节内存失败!";
    fatalError(0, gbkFromUtf8(message));
}

}  // namespace namer
