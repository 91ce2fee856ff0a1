# The manual page of lottodesk-cli, made from its own help so the two never disagree.
# cmake -DCLI=<lottodesk-cli> -DOUT=<file.1> -DVERSION=<x.y> -P ManPage.cmake
execute_process(COMMAND ${CLI} help OUTPUT_VARIABLE help RESULT_VARIABLE status ERROR_QUIET)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "lottodesk-cli help failed: ${status}")
endif()
# roff: a backslash is written "\e"; a line may not start with "." or "'".
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REGEX MATCH "^[^\n]*" synopsis "${help}")
string(REGEX REPLACE "^[^\n]*\n" "" rest "${help}")
file(WRITE ${OUT} ".TH LOTTODESK-CLI 1 \"\" \"lottodesk ${VERSION}\" \"User Commands\"
.SH NAME
lottodesk-cli \\- 彩票工作站 lottodesk 的命令行工具
.SH SYNOPSIS
.nf
${synopsis}
.fi
.SH DESCRIPTION
与桌面程序使用同一个数据文件夹和同一套计算：开奖数据的导入、导出和更新，指标和公式，组号过滤、旋转、机选和对奖，
以及各个分析表格。表格和列表命令可用 \\fB\\-\\-format tsv|csv|json\\fR 选择输出格式。
.SH OPTIONS AND COMMANDS
.nf
${rest}.fi
.SH FILES
.TP
\\fI~/.local/share/lottodesk/\\fR
默认的数据文件夹（\\fB$XDG_DATA_HOME/lottodesk/\\fR），第一次使用时写入双色球和超级大乐透的开奖数据；
\\fBLOTTODESK_HOME\\fR 或 \\fB\\-\\-home\\fR 可另选。
.TP
\\fIdatabase/prizerules.txt\\fR
奖级规则（可按同样格式修改），对奖时计算奖金。
.SH EXIT STATUS
0 成功；1 用法或输入有误；2 计算被停止或公式有误。
.SH SEE ALSO
\\fBlottodesk\\fR(1)，/usr/share/doc/lottodesk/
")
