// The numbered messages, the questions and the file dialogs' filter (long
// cells). A numbered message starts with "code : ", its two-digit code and
// CR LF. Cells in Language order, one literal per cell: English, Japanese,
// Simplified Chinese, Korean.

#include "i18n/text_cells.h"

namespace vostrel {

// clang-format off
const TextRow<kLongCellUnits> kMessageTexts[BlockRowCount(TextBlock::MessageTexts)] = {
    /* 0 */
    {{L"code : 20\r\nImport error. Please check the file.",
      L"code : 20\r\nファイル入力エラーです。ファイルを確認してください。",
      L"code : 20\r\n导入错误。请检查文件。",
      L"code : 20\r\n가져오기 오류. 파일을 확인하십시오."}},
    /* 1 */
    {{L"code : 21\r\nInvalid data error. Are you sure to continue to import?",
      L"code : 21\r\n無効な項目があります。インポート処理を続行しますか？",
      L"code : 21\r\n数据无效。确定要继续导入吗？",
      L"code : 21\r\n잘못된 데이터가 있습니다. 가져오기를 계속하시겠습니까?"}},
    /* 2 */
    {{L"code : 22\r\nExport error.",
      L"code : 22\r\nファイル出力エラーです。",
      L"code : 22\r\n导出错误。",
      L"code : 22\r\n내보내기 오류."}},
    /* 3 */
    {{L"code : 23\r\nError. Please check the item(s) in red.",
      L"code : 23\r\n設定データに誤りがあります。",
      L"code : 23\r\n错误。请检查红色的项目。",
      L"code : 23\r\n오류. 빨간색 항목을 확인하십시오."}},
    /* 4 */
    {{L"code : 24\r\nPlease select item(s) to configure.",
      L"code : 24\r\n設定する項目を選択して下さい。",
      L"code : 24\r\n请选择要设置的项目。",
      L"code : 24\r\n설정할 항목을 선택하십시오."}},
    /* 5 */
    {{L"code : 30\r\nOpen port error.",
      L"code : 30\r\nポートのオープンに失敗しました。",
      L"code : 30\r\n打开端口时发生了错误。",
      L"code : 30\r\n포트 열기 에러."}},
    /* 6 */
    {{L"code : 31\r\nData transfer error.",
      L"code : 31\r\n転送中にエラーが発生しました。接続を確認して下さい。",
      L"code : 31\r\n数据传输错误。",
      L"code : 31\r\n데이터 전송 오류."}},
    /* 7 */
    {{L"code : 32\r\nAcquisition data has an error.",
      L"code : 32\r\n取得したデータにエラーがあります。",
      L"code : 32\r\n获取的数据有错误。",
      L"code : 32\r\n수신한 데이터에 오류가 있습니다."}},
    /* 8 */
    {{L"code : 40\r\nPlease choose the interface.",
      L"code : 40\r\nプリンタとの通信インターフェースを選択してください。",
      L"code : 40\r\n请选择接口。",
      L"code : 40\r\n인터페이스를 선택하십시오."}},
    /* 9 */
    {{L"Are you sure to send the configuration?",
      L"プリンタへ設定データを送信しますか？",
      L"确定要发送设置吗？",
      L"설정을 보내시겠습니까?"}},
    /* 10 */
    {{L"Are you sure to restore defaults?",
      L"設定を初期値に戻します。よろしいですか？",
      L"确定要恢复默认值吗？",
      L"기본값으로 복원하시겠습니까?"}},
    /* 11 */
    {{L"Advanced menu contains mechanically sensitive items. Use at your own risk.",
      L"拡張メニューには機器の性能に影響を与える項目が含まれています。十分ご注意下さい。",
      L"高级菜单包含影响机械性能的项目。使用时风险自负。",
      L"고급 메뉴에는 기계적으로 민감한 항목이 포함되어 있습니다. 사용에 따른 책임은 사용자에게 있습니다."}},
    /* 12 */
    {{L"Exit program?",
      L"プログラムを終了しますか？",
      L"是否结束程序？",
      L"프로그램을 종료하시겠습니까?"}},
    /* 13 */
    {{L"Are you sure to receive the configuration?",
      L"プリンタから設定データを取得しますか？",
      L"确定要接收设置吗？",
      L"설정을 받으시겠습니까?"}},
    /* 14 */
    {{L"Are you sure to print out?",
      L"印刷を実行しますか？",
      L"确定要打印吗？",
      L"인쇄하시겠습니까?"}},
    /* 15 */
    {{L"code : 80\r\nFile Open error. Please check the file.",
      L"code : 80\r\nファイル入力エラーです。ファイルを確認してください。",
      L"code : 80\r\n文件打开错误。请检查文件。",
      L"code : 80\r\n파일 열기 오류. 파일을 확인하십시오."}},
    /* 16 */
    {{L"code : 81\r\nFile Read error. Please check the file.",
      L"code : 81\r\nファイル読込エラーです。ファイルを確認してください。",
      L"code : 81\r\n文件读取错误。请检查文件。",
      L"code : 81\r\n파일 읽기 오류. 파일을 확인하십시오."}},
    /* 17 */
    {{L"PRN Files (*.prn)\0*.prn\0All Files (*.*)\0*.*\0",
      L"PRN ファイル (*.prn)\0*.prn\0すべてのファイル (*.*)\0*.*\0",
      L"PRN 文件 (*.prn)\0*.prn\0所有文件 (*.*)\0*.*\0",
      L"PRN 파일 (*.prn)\0*.prn\0모든 파일 (*.*)\0*.*\0"}},
};
// clang-format on

}  // namespace vostrel
