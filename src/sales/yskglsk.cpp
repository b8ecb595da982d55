#include "sales/yskglsk.h"

TF_Yskgl_Sk::TF_Yskgl_Sk(QWidget* parent)
    : DocMoneyForm({ "TF_Yskgl_Sk", "单据收款", "客户名称：", "应收金额：",
                       { "应收金额：", "实收金额：", "回款金额：", "收款金额：" }, "收款账户：", "收款日期：",
                       "注：超出本单据应收金额部分，将计入该客户的应收账款，\r该客户的应收款将减少。", "收款不能为0！",
                       "kh", false },
        parent)
{
}
